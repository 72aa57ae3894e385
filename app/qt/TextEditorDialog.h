// A small text editor of the program's own, for the referent file when no editor of the user's
// can be started: the file's text, "Shrani" writes it back, "Prekliči" leaves it as it was.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

class TTextEditorDialog : public QDialog {
    Q_OBJECT
public:
    //! Loads fileName (a missing file starts empty); closing deletes the dialog.
    TTextEditorDialog(QWidget* parent, const std::string& fileName);

    //! Writes the text to the file and closes; a file that cannot be written raises Exception.
    void Save();

    QPlainTextEdit* Text;

private:
    std::string FFileName;
};
