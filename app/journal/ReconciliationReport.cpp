// Amounts are written with a decimal point and two decimals whatever the locale, so that the CSV
// reads alike everywhere; the HTML page needs nothing beside it (its chart is inline SVG).
#include "app/journal/ReconciliationReport.h"

#include "platform/settings/DateText.h"
#include "platform/settings/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const char* const kHeaders[] = {"ID_KONTO",      "ID_VAL",    "IZVOR",      "ZAPISANO",  "ZAPISANO_DOM",
                                "FIFO1",         "FIFO1_DOM", "FIFO2",      "FIFO2_DOM", "PREDZNAKI",
                                "PREDZNAKI_DOM", "KONCNO",    "KONCNO_DOM", "USKLAJENO"};
constexpr int kAmounts = reconciliation::Usklajeno - reconciliation::Izvor;

std::string Amount(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value == 0 ? 0.0 : value); // no "-0.00"
    return text;
}

std::string YesNo(bool value) {
    return value ? "DA" : "NE";
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Html(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Title(TOracleSession& session, long long journalId) {
    TJournalQuery query(session);
    query.Run("SELECT DAT_STANJA, OT_LIK, IZID, ZACETEK FROM OBLI_DNEVNIK WHERE ID = :ID",
              {{"ID", TVariant::FromInteger(journalId)}});
    std::string title = "Usklajevanje prenosa " + std::to_string(journalId);
    if (query.Query.Eof())
        return title;
    return title + ": dan " + FormatDayMonthYear(query.Query.ColumnAsDate(0)) + ", vrsta tveganja " +
           ColumnText(query.Query, 1) + ", " + ColumnText(query.Query, 2) + ", začetek " +
           FormatDateTime(query.Query.ColumnAsDate(3));
}

void WriteCsv(std::ostream& out, const TReconciliationReport& report) {
    for (int i = 0; i < reconciliation::ColumnCount; ++i)
        out << (i ? "," : "") << kHeaders[i];
    out << "\n";
    for (const TReconciliationLine& line : report.Lines) {
        out << CsvField(line.Konto) << "," << CsvField(line.Valuta);
        for (double amount : line.Amounts)
            out << "," << Amount(amount);
        out << "," << YesNo(line.Balanced) << "\n";
    }
}

// The final domestic totals per account, as bars right of zero for positive and left for negative.
std::string Chart(const TReconciliationReport& report) {
    std::map<std::string, double> totals;
    for (const TReconciliationLine& line : report.Lines)
        totals[line.Konto] += line.Amounts[reconciliation::KoncnoDom - reconciliation::Izvor];
    double largest = 0;
    for (const auto& [konto, total] : totals)
        largest = std::max(largest, std::fabs(total));
    const int rowHeight = 22, labelWidth = 90, half = 300, amountWidth = 130;
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << labelWidth + 2 * half + amountWidth
        << "\" height=\"" << rowHeight * totals.size() + 4 << "\">\n";
    int row = 0;
    for (const auto& [konto, total] : totals) {
        const int y = row++ * rowHeight + 2;
        const double width = largest == 0 ? 0 : std::fabs(total) / largest * half;
        const double x = labelWidth + half - (total < 0 ? width : 0);
        svg << "<text x=\"0\" y=\"" << y + 15 << "\">" << Html(konto) << "</text><rect class=\"bar\" x=\""
            << x << "\" y=\"" << y << "\" width=\"" << width << "\" height=\"" << rowHeight - 6
            << "\" fill=\"" << (total < 0 ? "#c0504d" : "#4f81bd") << "\"/><text x=\""
            << labelWidth + 2 * half + 4 << "\" y=\"" << y + 15 << "\">" << Amount(total) << "</text>\n";
    }
    svg << "<line x1=\"" << labelWidth + half << "\" y1=\"0\" x2=\"" << labelWidth + half << "\" y2=\""
        << rowHeight * totals.size() + 4 << "\" stroke=\"black\"/>\n</svg>\n";
    return svg.str();
}

void WriteHtml(std::ostream& out, const TReconciliationReport& report) {
    out << "<!DOCTYPE html>\n<html lang=\"sl\"><head><meta charset=\"utf-8\"><title>" << Html(report.Title)
        << "</title>\n<style>body{font-family:sans-serif}table{border-collapse:collapse}"
           "td,th{border:1px solid #999;padding:2px 6px}td.n{text-align:right}tr.ne{background:#f8d0d0}"
           "</style></head><body>\n<h1>"
        << Html(report.Title) << "</h1>\n<p id=\"usklajeno\">Usklajeno: " << YesNo(report.Balanced())
        << "</p>\n<table id=\"usklajevanje\">\n<tr>";
    for (const char* header : kHeaders)
        out << "<th>" << header << "</th>";
    out << "</tr>\n";
    double sums[kAmounts] = {};
    for (const TReconciliationLine& line : report.Lines) {
        out << "<tr" << (line.Balanced ? "" : " class=\"ne\"") << "><td>" << Html(line.Konto) << "</td><td>"
            << Html(line.Valuta) << "</td>";
        for (int i = 0; i < kAmounts; ++i) {
            out << "<td class=\"n\">" << Amount(line.Amounts[i]) << "</td>";
            sums[i] += line.Amounts[i];
        }
        out << "<td>" << YesNo(line.Balanced) << "</td></tr>\n";
    }
    out << "<tr class=\"skupaj\"><th colspan=\"2\">Skupaj</th>";
    for (double sum : sums)
        out << "<th class=\"n\">" << Amount(sum) << "</th>";
    out << "<th>" << YesNo(report.Balanced())
        << "</th></tr>\n</table>\n<h2>Končno stanje po kontih (domača "
           "valuta)</h2>\n"
        << Chart(report) << "</body></html>\n";
}

bool IsHtml(const std::string& fileName) {
    const auto endsWith = [&](const std::string& suffix) {
        return fileName.size() >= suffix.size() &&
               fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    return endsWith(".html") || endsWith(".htm") || endsWith(".HTML") || endsWith(".HTM");
}

} // namespace

bool TReconciliationReport::Balanced() const {
    return std::all_of(Lines.begin(), Lines.end(),
                       [](const TReconciliationLine& line) { return line.Balanced; });
}

TReconciliationReport ReadReconciliation(TOracleSession& session, long long journalId) {
    TReconciliationReport report;
    report.Title = Title(session, journalId);
    const TJournalStatement statement = Reconciliation(journalId);
    TJournalQuery query(session);
    query.Run(statement.Sql, statement.Values);
    for (; !query.Query.Eof(); query.Query.Next()) {
        TReconciliationLine line;
        line.Konto = ColumnText(query.Query, reconciliation::Konto);
        line.Valuta = ColumnText(query.Query, reconciliation::Valuta);
        for (int i = 0; i < kAmounts; ++i)
            line.Amounts[i] = ColumnNumber(query.Query, reconciliation::Izvor + i);
        line.Balanced = ColumnText(query.Query, reconciliation::Usklajeno) == "DA";
        report.Lines.push_back(line);
    }
    return report;
}

void WriteReconciliationReport(const std::string& fileName, const TReconciliationReport& report) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (out)
        IsHtml(fileName) ? WriteHtml(out, report) : WriteCsv(out, report);
    out.close();
    if (!out)
        throw Exception("Poročila ni mogoče zapisati: " + fileName);
}
