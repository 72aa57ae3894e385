// The abstract record source every dataset of the system builds on: state machine (inactive,
// browse, edit, insert), current position, edit buffer, fields, required-field check, events and
// the notifications its data sources pass on to views. A subclass supplies the records (all at
// once, lazily, or in discarded blocks) and applies inserts, updates and deletes.
#pragma once

#include "platform/dataset/DatabaseError.h"
#include "platform/dataset/Field.h"
#include "platform/dataset/FieldDefs.h"
#include "platform/dataset/Variant.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TDataSource;

//! What a dataset is doing.
enum class TDataSetState {
    dsInactive, //!< closed
    dsBrowse,   //!< open, records read-only through the fields
    dsEdit,     //!< the current record is being changed in the edit buffer
    dsInsert,   //!< a new record is being filled in the edit buffer
};

//! A remembered position; valid while no record before it is inserted or deleted.
struct TBookmark {
    int Index = -1; //!< record index, -1 = no record
    bool operator==(const TBookmark&) const = default;
};

//! Handler of a dataset event (BeforeOpen, AfterPost, ...).
using TDataSetNotifyEvent = std::function<void(TDataSet& sender)>;

//! A cursor over records with named, typed fields. Positions are indexes into the records the
//! source holds (0-based); RecNo = index + 1.
class TDataSet {
public:
    //! The name prefixes the dataset's own error texts ("Q1: Field 'X' not found").
    //! A subclass calls Close() in its own destructor: the base can no longer reach the source.
    explicit TDataSet(std::string name = {});
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    //! Name used in error texts.
    const std::string& Name() const { return FName; }
    void SetName(std::string name) { FName = std::move(name); }

    //! Opens the source, creates the fields from FieldDefs() and moves to the first record.
    //! BeforeOpen / AfterOpen run around it; a failure leaves the dataset closed.
    void Open();
    //! Cancels a pending edit, frees the fields and records. BeforeClose / AfterClose run around.
    void Close();
    //! Open or not.
    bool Active() const { return FState != TDataSetState::dsInactive; }
    //! Open() or Close().
    void SetActive(bool active);
    //! Current state.
    TDataSetState State() const { return FState; }

    //! Moves to the first record (Bof true).
    void First();
    //! Moves one record on, fetching more when the source can; Eof when there is none.
    void Next();
    //! Moves one record back; Bof when there is none.
    void Prior();
    //! Fetches everything and moves to the last record (Eof true).
    void Last();
    //! Moves by a signed distance (Next / Prior steps); returns the distance actually moved.
    int MoveBy(int distance);
    //! True after Next failed on the last record, after Last, and on an empty dataset.
    bool Eof() const { return FEof; }
    //! True after First, after Prior failed on the first record, and on an empty dataset.
    bool Bof() const { return FBof; }
    //! Current record index + 1; 0 on an empty or closed dataset.
    int RecNo() const { return FCurrent + 1; }
    //! Moves to record recNo (1-based), fetching up to it; out of range leaves the position.
    void SetRecNo(int recNo);
    //! Records fetched so far, discarded ones of a unidirectional source included.
    virtual int RecordCount() const;
    //! True when open without records (an insert not yet posted does not count).
    bool IsEmpty() const;

    //! The current position.
    TBookmark GetBookmark() const { return TBookmark{FCurrent}; }
    //! Moves to a remembered position; raises for a discarded record.
    void GotoBookmark(const TBookmark& bookmark);
    //! Whether a bookmark names a record the dataset holds.
    bool BookmarkValid(const TBookmark& bookmark) const;

    //! Starts a new record that Post adds after the last record.
    void Append();
    //! Starts a new record that Post adds before the current one.
    void Insert();
    //! Starts changing the current record; on an empty dataset it starts a new record instead.
    void Edit();
    //! Runs BeforePost, checks required fields ("Field 'X' must have a value"), has the source
    //! apply the record and returns to browse; AfterPost follows. On failure the state and the
    //! edit buffer stay, so the caller may correct and post again or cancel.
    void Post();
    //! The new record as Post would apply it, for an owner that writes records itself and then
    //! cancels: runs BeforePost and the required-field check and stays in insert state.
    const TRecordBuffer& NewRecordForPost();
    //! Drops the edit buffer and returns to browse at the record that was current.
    void Cancel();
    //! Removes the current record through the source; in insert state it cancels instead.
    //! Raises "No Records" on an empty dataset.
    void Delete();
    //! Has the source re-read its records and moves to the first record.
    void Refresh();
    //! Whether less puts a record before another (a field's value at its FieldNo()).
    using TRecordLess = std::function<bool(const TRecordBuffer& a, const TRecordBuffer& b)>;
    //! Fetches every record and puts them in the order of less (records it ranks equal keep their
    //! order); moves to the first record. A source that cannot reorder its records raises.
    void SortRecords(const TRecordLess& less);
    //! Posts a modified edit buffer, cancels an unmodified one; navigation does this first.
    void CheckBrowseMode();
    //! Whether a field was written since Edit / Insert / Append.
    bool Modified() const { return FModified; }
    //! Whether Append, Insert, Edit and Delete are allowed; a subclass refuses for read-only sources.
    virtual bool CanModify() const { return true; }

    //! Number of fields.
    int FieldCount() const { return static_cast<int>(FFields.size()); }
    //! The field at a position of the field order, 0 <= index < FieldCount().
    TField& Fields(int index) const;
    //! The field of that name (case-insensitive), or nullptr.
    TField* FindField(std::string_view name) const;
    //! The field of that name (case-insensitive); raises "Field 'X' not found".
    TField& FieldByName(std::string_view name) const;
    //! The definitions Open creates the fields from; a source fills them in InternalOpen, an
    //! in-memory dataset's owner before Open.
    TFieldDefs& FieldDefs() { return FFieldDefs; }
    const TFieldDefs& FieldDefs() const { return FFieldDefs; }

    //! Stops notifications to views; calls nest.
    void DisableControls();
    //! Ends one DisableControls; the outermost call sends one "data set changed" (or "active
    //! changed" when the dataset was opened or closed meanwhile), after a pending "layout changed".
    void EnableControls();
    //! True between DisableControls and the matching EnableControls.
    bool ControlsDisabled() const { return FDisableCount > 0; }

    //! Fetches lazily until record index (0-based) is held; returns whether it is. A view calls
    //! it before reading a row through TRecordViewGuard.
    bool FetchUpTo(int index);

    TDataSetNotifyEvent BeforeOpen;   //!< before the source opens
    TDataSetNotifyEvent AfterOpen;    //!< after the first record became current
    TDataSetNotifyEvent BeforeClose;  //!< before a pending edit is cancelled and the source closes
    TDataSetNotifyEvent AfterClose;   //!< after the fields were freed
    TDataSetNotifyEvent BeforePost;   //!< before the required-field check; may still fill fields
    TDataSetNotifyEvent AfterPost;    //!< after the record was applied and browse state is back
    TDataSetNotifyEvent BeforeScroll; //!< before a navigation moves the position
    TDataSetNotifyEvent AfterScroll;  //!< after a navigation moved the position

protected:
    //! Opens the source and fills FieldDefs() unless the owner did. May fetch records.
    virtual void InternalOpen() = 0;
    //! Closes the source and frees its records.
    virtual void InternalClose() = 0;
    //! Number of record indexes in use: every record fetched or added since open, including
    //! those a unidirectional source has discarded.
    virtual int RecordsHeld() const = 0;
    //! Fetches at least one more record; false when the source has no more. Sources that hold
    //! everything after open keep the default.
    virtual bool FetchMore() { return false; }
    //! The values of record index (0 <= index < RecordsHeld()); a unidirectional source raises
    //! RecordDiscardedError for a record it no longer holds.
    virtual const TRecordBuffer& GetRecord(int index) const = 0;
    //! Applies a posted new record to the source and stores it at index (0 <= index <=
    //! RecordsHeld()), so that GetRecord(index) returns it afterwards. May raise; then nothing
    //! may have been stored.
    virtual void InternalInsert(int index, const TRecordBuffer& record) = 0;
    //! Applies a posted change of record index and stores it; GetRecord(index) still returns the
    //! old values during the call. May raise; then the old values must stay.
    virtual void InternalUpdate(int index, const TRecordBuffer& record) = 0;
    //! Removes record index from the source and from the records held.
    virtual void InternalDelete(int index) = 0;
    //! Re-reads the records from the source; the fields stay.
    virtual void InternalRefresh() {}
    //! Puts the records held in a new order: record order[i] becomes record i. The default
    //! refuses ("<name>: Records cannot be sorted").
    virtual void InternalReorder(const std::vector<int>& order);
    //! Edit is about to copy record index into the edit buffer: a source may lock or re-read it
    //! first, or raise to refuse; the dataset then stays in browse state.
    virtual void InternalEdit(int /*index*/) {}
    //! Fills a new record (all NULL on entry), e.g. from a sequence.
    virtual void InitNewRecord(TRecordBuffer& /*record*/) {}

    //! The error a source raises for a discarded record:
    //! "<name>: Record <n> not accessible in Unidirectional mode".
    EDatabaseError RecordDiscardedError(int recordIndex) const;
    //! Tells the framework that the source replaced its records outside Post and Delete (emptied,
    //! reloaded): moves to the first record and sends "data set changed".
    void RecordsReplaced();
    //! Raises "Cannot perform this operation on an open dataset" unless closed.
    void CheckInactive() const;
    //! Raises "Cannot perform this operation on a closed dataset" unless open.
    void CheckActive() const;

private:
    friend class TField;
    friend class TDataSource;
    friend class TRecordViewGuard;
    enum class TDataEvent { ActiveChanged, DataSetChanged, RecordChanged, DataSetScrolled, LayoutChanged };

    // Field access, used by TField.
    const TVariant& ActiveValue(int fieldNo) const;
    void SetActiveValue(TField& field, TVariant value);
    int FieldIndex(const TField& field) const;
    void MoveField(const TField& field, int newIndex);
    void FieldLayoutChanged();
    void FieldDisplayChanged();

    // Notifications, used by TDataSource for its own registration.
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);
    void DataEvent(TDataEvent event, TField* field = nullptr, int distance = 0);

    void CreateFields();
    void DestroyFields();
    void CheckCanModify() const;
    void MoveTo(int index, bool bof, bool eof);
    void ResetPosition();
    void StartNewRecord(int insertIndex);
    void CheckRequiredFields() const;
    void EndEditing();

    std::string FName;
    TDataSetState FState = TDataSetState::dsInactive;
    TFieldDefs FFieldDefs;
    std::vector<std::unique_ptr<TField>> FFields; // in field order
    int FCurrent = -1;                            // index of the current record, -1 = none
    bool FBof = true;
    bool FEof = true;
    TRecordBuffer FEditBuffer;
    int FInsertIndex = -1; // where Post puts the new record
    bool FModified = false;
    int FViewIndex = -1; // record a view reads instead of the current one
    int FDisableCount = 0;
    bool FActiveChangedWhileDisabled = false;
    bool FLayoutChangedWhileDisabled = false;
    std::vector<TDataSource*> FDataSources;
};
