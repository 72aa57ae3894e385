// One column of a dataset: its definition, the presentation a view uses (label, width, order,
// visibility, formats) and typed access to its value in the dataset's active record. The value
// itself lives in the dataset's record; the field only knows its number in the record.
#pragma once

#include "platform/dataset/FieldDefs.h"
#include "platform/dataset/Variant.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

class TDataSet;
class TField;

//! Horizontal placement of a field's text in grids and printouts.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

//! Replaces a field's display text; the handler reads the field's value itself.
using TFieldGetTextEvent = std::function<std::string(const TField& sender)>;

//! A field of a dataset, owned by it and valid while the dataset stays open.
class TField {
public:
    //! Created by the dataset from a definition; fieldNo is the value's slot in a record.
    TField(TDataSet& dataSet, const TFieldDef& def, int fieldNo);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    //! The owning dataset.
    TDataSet& DataSet() const { return FDataSet; }
    //! Name from the definition.
    const std::string& FieldName() const { return FDef.Name; }
    //! Data type from the definition.
    TFieldType DataType() const { return FDef.DataType; }
    //! Bytes of a text field (0 = unlimited); longer texts are cut to it unless the definition keeps them.
    int Size() const { return FDef.Size; }
    //! Slot of the value in a record; never changes while the dataset is open.
    int FieldNo() const { return FFieldNo; }

    //! Post refuses a record that leaves a required field NULL.
    bool Required() const { return FDef.Required; }
    void SetRequired(bool required) { FDef.Required = required; }

    //! Caption in views and error texts; the field name until set.
    const std::string& DisplayLabel() const;
    void SetDisplayLabel(std::string label);
    //! Width in characters in views; the default follows the data type and size.
    int DisplayWidth() const { return FDisplayWidth; }
    void SetDisplayWidth(int width);
    //! Whether views show the field.
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    //! Position in the dataset's field order; setting it moves the field, the others follow.
    int Index() const;
    void SetIndex(int index);
    //! Text placement; numeric fields default to right, all others to left.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    //! Number pattern ("#,##0.00") of a numeric field's display text; empty = the plain text
    //! value. Other types keep it for views that copy it but show their plain text.
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(std::string format);
    //! Input mask a view applies when the user types a value for this field; not used here.
    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(std::string mask) { FEditMask = std::move(mask); }
    //! A number free for the owner's use (the grouping tool keeps an aggregate kind in it).
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }
    //! Name of an attribute set, free for the owner's use (the grouping tool marks "SUM").
    const std::string& AttributeSet() const { return FAttributeSet; }
    void SetAttributeSet(std::string name) { FAttributeSet = std::move(name); }
    //! Handler that replaces the display text; empty = none.
    const TFieldGetTextEvent& OnGetText() const { return FOnGetText; }
    void SetOnGetText(TFieldGetTextEvent handler);

    //! True when the value in the active record is NULL (also on an empty dataset).
    bool IsNull() const { return Value().IsNull(); }
    //! The value in the active record, in the native kind of the data type.
    TVariant Value() const;
    //! Converts to the native kind and stores; needs edit or insert state. A NULL value or an
    //! empty text stores NULL.
    void SetValue(const TVariant& value);
    //! Stores NULL.
    void Clear() { SetValue(TVariant()); }

    //! The value as text: dates in the locale's short date, numbers with its decimal
    //! separator; NULL gives "".
    std::string AsString() const;
    //! Stores a text; a date field reads it with the locale's short date, a date-time field also
    //! takes a time after it. A text that does not fit the type raises the conversion error
    //! (Exception "'abc' is not a valid integer value" and the like); a value outside a small
    //! integer's range raises EDatabaseError.
    void SetAsString(std::string_view text);
    //! The value as integer (floats rounded, ties to even); NULL gives 0. A value beyond 32 bits
    //! raises the conversion error naming it.
    int AsInteger() const;
    void SetAsInteger(int value);
    //! The value as 64-bit integer, for ids and counts; a value beyond 64 bits raises the
    //! conversion error naming it.
    std::int64_t AsLargeInt() const;
    void SetAsLargeInt(std::int64_t value);
    //! The value as float; NULL gives 0.
    double AsFloat() const;
    void SetAsFloat(double value);
    //! The value as date-time; NULL gives 0.
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime value);

    //! The text a view shows: the get-text handler's, else the value through DisplayFormat,
    //! else AsString(). A currency field without format shows "#,##0.00"; a blob "(BLOB)".
    std::string DisplayText() const;

private:
    // Conversions between value kinds, following this field's type (FieldConversion.cpp).
    TVariant Convert(const TVariant& value) const;
    std::string TextOf(const TVariant& value) const;
    std::int64_t IntegerOf(const TVariant& value) const;
    double NumberOf(const TVariant& value) const;
    TDateTime DateTimeOf(const TVariant& value) const;
    TBytes BytesOf(const TVariant& value) const;
    std::int64_t CheckedRange(std::int64_t value) const;

    TDataSet& FDataSet;
    TFieldDef FDef;
    int FFieldNo;
    std::string FDisplayLabel;
    int FDisplayWidth;
    bool FVisible = true;
    TAlignment FAlignment;
    std::string FDisplayFormat;
    std::string FEditMask;
    int FTag = 0;
    std::string FAttributeSet;
    TFieldGetTextEvent FOnGetText;
};
