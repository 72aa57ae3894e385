// The built-in editor's widgets and its file.
#include "app/qt/TextEditorDialog.h"

#include "grid/ToolGrid.h"
#include "platform/settings/Exceptions.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTextEditorDialog::TTextEditorDialog(QWidget* parent, const std::string& fileName)
    : QDialog(parent), Text(new QPlainTextEdit(this)), FFileName(fileName) {
    setObjectName("TextEditor");
    setWindowTitle(QString::fromStdString(fileName));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 420);
    QFile file(QString::fromStdString(fileName));
    if (file.open(QIODevice::ReadOnly))
        Text->setPlainText(QString::fromUtf8(file.readAll()));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton("Shrani", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QString::fromUtf8("Prekliči"), QDialogButtonBox::RejectRole);
    connect(save, &QPushButton::clicked, this, [this] { RunGuarded([this] { Save(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text);
    layout->addWidget(buttons);
}

void TTextEditorDialog::Save() {
    QFile file(QString::fromStdString(FFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(Text->toPlainText().toUtf8()) < 0)
        throw Exception("Datoteke " + FFileName + " ni mogoče zapisati.");
    file.close();
    accept();
}
