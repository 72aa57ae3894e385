// The Slovenian collation of texts shown to a person.
#include "grid/SlovenianCollation.h"

#include <QLocale>

QCollator SlovenianCollator(bool caseSensitive) {
    QCollator collator{QLocale(QLocale::Slovenian, QLocale::Slovenia)};
    collator.setCaseSensitivity(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return collator;
}

bool SlovenianLess(const std::string& a, const std::string& b) {
    static const QCollator collator = SlovenianCollator(false);
    return collator.compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
}
