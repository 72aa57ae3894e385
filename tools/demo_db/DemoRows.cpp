// The column lists of the source tables, written once: the generator fills rows in this order and
// the database writer builds its INSERT statements from the same lists.
#include "tools/demo_db/DemoRows.h"

#include "platform/settings/Exceptions.h"

const std::vector<TDemoTable>& DemoTables() {
    static const std::vector<TDemoTable> tables = {
        {"KNJIZBE",
         {"IDKNJ", "KONTO", "VP", "IDVP", "IDPOG", "IDMASTER", "IDOBD", "BZNESEK", "DZNESEK", "DATUMV",
          "DATUMZ", "DATUMK", "DEJAVNOST", "VALUTA"}},
        {"MATRIKA", {"CTRL", "VPRC", "VKNT", "GRUPIRAJ"}},
        {"SIFKONT", {"CTRL", "OZNAKA", "AKTIVEN"}},
        {"DOG",
         {"IDDOG", "IDPSL", "IDVP", "IDPOG", "SFVP", "SFPDG", "SFVLT", "DAN", "ZPD", "VP", "LOT", "REZ",
          "GLVTCJ"}},
        {"POG", {"IDPOG", "SFTPF", "SFORG", "SFOSB"}},
        {"ORG", {"SFORG", "KRT", "KNTORG"}},
        {"OSB", {"SFOSB", "KRTBNK", "SFBON", "SEKTORIZACIJA", "MTS", "SWIFT", "SFSOS", "SFDRZ"}},
        {"SFVP",
         {"SFVP", "KRT", "ISIN", "ZPDVP", "SFVLP", "SFVLTNMN", "FIXOBR", "SFODP", "DANODP", "TIPPST", "SFFIN",
          "REFINXNZV", "GLVNMN", "SFGLVENT", "ECB_ELIGIBLE_DN", "SFOSBIZD"}},
        {"FIN", {"SFFIN", "NZV", "SFLST"}},
        {"SIF", {"SSF", "SIF", "KRT"}},
        {"VLT", {"SFVLT", "KRT", "IDBNK"}},
        {"VLN", {"SFVLT", "SFVLN", "DAN", "TCJ"}},
        {"KPN",
         {"SFVP", "STKPN", "PRVDAN", "ZDNDAN", "SFOBD", "SFOBM", "SFOBR", "SFINX", "REFOBM", "OBRPRC",
          "OBROBR", "GLVOBR", "GLV"}},
        {"INX", {"SFINX", "DAN", "INX"}},
        {"SFINX", {"SFINX", "NZV"}},
        {"ECB_SIFRANTI", {"ECB_SEZNAM_ID", "ECB_SIFR_ID", "INTERVAL_OD", "INTERVAL_DO", "NAZIV"}},
        {"VPHST", {"SFVP", "DAN", "IDVP", "IDPOG", "SFSVP", "LOT", "GLVTCJNKP", "DANNKP"}},
        {"VPSHST", {"IDPOG", "SFVP", "DAN", "SFSVP", "LOT", "GLVTCJNKP", "ZST"}},
        {"ZDNHST", {"DAN", "SFDJV", "VRDOK"}},
        {"TRG", {"SFTRG", "MIC", "NZV"}},
        {"KTC", {"SFVP", "SFTRG", "DAN", "DANPRK"}},
    };
    return tables;
}

const TDemoTable& DemoTable(const std::string& name) {
    for (const TDemoTable& table : DemoTables())
        if (table.name == name)
            return table;
    throw Exception("Unknown demo table " + name);
}
