// Loading Qt's translation catalogues once per process.
#include "platform/ui_qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt 6 takes the standard buttons' texts (OK, Cancel, Yes, No, …) from the context
// "QPlatformTheme"; a catalogue made for earlier releases has them under "QDialogButtonBox".
// The error box's button that opens the database's whole text is "Podrobnosti".
class TButtonTexts : public QTranslator {
public:
    TButtonTexts(const QTranslator& catalogue, QObject* parent)
        : QTranslator(parent), FCatalogue(catalogue) {}
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QMessageBox") == 0)
            return DetailsButtonText(source);
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return {};
        return FCatalogue.translate("QDialogButtonBox", source, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

private:
    static QString DetailsButtonText(const char* source) {
        if (qstrcmp(source, "Show Details...") == 0)
            return QStringLiteral("Podrobnosti");
        if (qstrcmp(source, "Hide Details...") == 0)
            return QStringLiteral("Skrij podrobnosti");
        return {};
    }

    const QTranslator& FCatalogue;
};

} // namespace

bool InstallQtTranslations() {
    static bool installed = false;
    if (installed)
        return true;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale slovenian(QLocale::Slovenian, QLocale::Slovenia);
    // "qt" is the whole catalogue for this language; "qtbase" where a release splits it.
    for (const char* catalogue : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(slovenian, catalogue, "_", folder) ||
            !QCoreApplication::installTranslator(translator)) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(new TButtonTexts(*translator, translator));
        installed = true;
    }
    return installed;
}
