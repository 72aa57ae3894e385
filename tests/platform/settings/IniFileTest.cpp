// Profile files: defaults for what is missing, tolerance of malformed lines, case-insensitive names,
// and writes that keep everything else and never leave a partial file.
#include "platform/settings/IniFile.h"

#include "SettingsTestSupport.h"
#include "platform/settings/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using Lines = std::vector<std::string>;

TEST(IniReading, MissingFileGivesTheDefaults) {
    const TIniFile ini((CaseDir() / "absent.ini").string());
    EXPECT_EQ(ini.ReadString("REFERENT", "A1", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("KESTRA", "FontSize", 8), 8);
    EXPECT_FALSE(ini.SectionExists("REFERENT"));
    EXPECT_TRUE(ini.ReadSection("REFERENT").empty());
}

TEST(IniReading, ValuesAreTrimmedAndNamesCaseInsensitive) {
    const auto path = CaseDir() / "zorveka.ini";
    WriteText(path, "[REFERENT]\r\n  ab12 = R7 \r\nX=\r\n\r\n[Kestra]\nFontName=Arial CE\nFontSize= 10\n");
    const TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadString("referent", "AB12", "-"), "R7");
    EXPECT_EQ(ini.ReadString("REFERENT", "x", "-"), "");
    EXPECT_EQ(ini.ReadString("KESTRA", "fontname", "-"), "Arial CE");
    EXPECT_EQ(ini.ReadInteger("kestra", "FONTSIZE", 8), 10);
    EXPECT_TRUE(ini.ValueExists("Referent", "Ab12"));
    EXPECT_FALSE(ini.ValueExists("Referent", "FontSize"));
    EXPECT_EQ(ini.ReadSection("Referent"), (Lines{"ab12", "X"}));
    EXPECT_EQ(ini.ReadSectionValues("KESTRA"), (Lines{"FontName=Arial CE", "FontSize=10"}));
    EXPECT_EQ(ini.ReadSections(), (Lines{"REFERENT", "Kestra"}));
}

TEST(IniReading, MalformedLinesAreSkipped) {
    const auto path = CaseDir() / "bad.ini";
    WriteText(path,
              "orphan=1\n[A\ngarbage line\n[S]\n=novalue\n; k=comment\n# c=2\nk=v\n[ ]\nLineHeight=abc\n"
              "[T]\nbig=99999999999\nhalf=12x\nneg=-5");
    const TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadSection("S"), (Lines{"k"}));
    EXPECT_EQ(ini.ReadString("S", "k", "-"), "v");
    EXPECT_EQ(ini.ReadString("", "orphan", "-"), "-");
    EXPECT_EQ(ini.ReadInteger("", "LineHeight", 18), 18);
    EXPECT_EQ(ini.ReadInteger("T", "big", 1), 1);
    EXPECT_EQ(ini.ReadInteger("T", "half", 2), 2);
    EXPECT_EQ(ini.ReadInteger("T", "neg", 3), -5);
}

TEST(IniReading, ByteOrderMarkDoesNotHideTheFirstSection) {
    const auto path = CaseDir() / "edited.ini";
    WriteText(path, "\xEF\xBB\xBF[REFERENT]\nA1=R1\n");
    TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadString("REFERENT", "A1", "-"), "R1");
    ini.WriteString("REFERENT", "A2", "R2");
    EXPECT_EQ(ReadText(path), "\xEF\xBB\xBF[REFERENT]\nA1=R1\nA2=R2\n");
}

TEST(IniWriting, WrittenValuesReadBackFromANewObject) {
    const auto path = CaseDir() / "sub" / "WIN.INI";
    {
        TIniFile ini(path.string());
        ini.WriteString("KESTRA", "FontName", "DejaVu Sans");
        ini.WriteInteger("KESTRA", "FontSize", 9);
        ini.WriteInteger("kestra", "fontsize", 11);
        EXPECT_EQ(ini.ReadInteger("KESTRA", "FontSize", 0), 11);
    }
    const TIniFile reread(path.string());
    EXPECT_EQ(reread.ReadString("Kestra", "FONTNAME", ""), "DejaVu Sans");
    EXPECT_EQ(reread.ReadInteger("KESTRA", "FontSize", 0), 11);
    EXPECT_EQ(ReadText(path), "[KESTRA]\nFontName=DejaVu Sans\nFontSize=11\n");
}

TEST(IniWriting, OtherSectionsKeysAndCommentsStay) {
    const auto path = CaseDir() / "keep.ini";
    WriteText(path, "; referents\n[REFERENT]\nA=1\n\n[OTHER]\nB=2\n");
    TIniFile ini(path.string());
    ini.WriteString("REFERENT", "C", "3");
    ini.WriteString("OTHER", "b", "20");
    ini.WriteString("NEW", "D", "4");
    EXPECT_EQ(ReadText(path), "; referents\n[REFERENT]\nA=1\nC=3\n\n[OTHER]\nB=20\n[NEW]\nD=4\n");
}

TEST(IniWriting, EraseSectionRemovesOnlyThatSection) {
    const auto path = CaseDir() / "erase.ini";
    WriteText(path, "[A]\nx=1\n[B]\ny=2\n");
    TIniFile ini(path.string());
    ini.EraseSection("a");
    ini.EraseSection("missing");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_EQ(ReadText(path), "[B]\ny=2\n");
}

TEST(IniWriting, EntriesThatCannotReadBackAreRefused) {
    TIniFile ini((CaseDir() / "x.ini").string());
    EXPECT_THROW(ini.WriteString("S", "a=b", "1"), Exception);
    EXPECT_THROW(ini.WriteString("S", "", "1"), Exception);
    EXPECT_THROW(ini.WriteString("S", "k", "line\nbreak"), Exception);
    EXPECT_FALSE(ini.SectionExists("S"));
}

TEST(IniWriting, FailedWriteLeavesTheOldFileAndNoTemporary) {
    // A name at the length limit exists, but no temporary name beside it can be created.
    const auto dir = CaseDir();
    const auto path = dir / (std::string(250, 'n') + ".ini");
    WriteText(path, "[A]\nx=1\n");
    TIniFile ini(path.string());
    EXPECT_THROW(ini.WriteString("A", "x", "2"), Exception);
    EXPECT_EQ(ReadText(path), "[A]\nx=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()),
              1);
}

TEST(IniWriting, ReplacedFileKeepsItsPermissions) {
    const auto path = CaseDir() / "private.ini";
    WriteText(path, "[A]\nx=1\n");
    chmod(path.c_str(), 0600);
    TIniFile(path.string()).WriteString("A", "x", "2");
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, 0600u);
}

TEST(IniWriting, FolderThatCannotBeMadeIsAnError) {
    const auto dir = CaseDir();
    WriteText(dir / "plain", "");
    TIniFile ini((dir / "plain" / "WIN.INI").string());
    EXPECT_THROW(ini.WriteString("KESTRA", "FontSize", "8"), Exception);
}

TEST(IniWriting, UnreadableFileIsNotOverwritten) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    const auto path = CaseDir() / "secret.ini";
    WriteText(path, "[A]\nx=1\n");
    chmod(path.c_str(), 0);
    TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadString("A", "x", "default"), "default");
    EXPECT_THROW(ini.WriteString("A", "y", "2"), Exception);
    chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadText(path), "[A]\nx=1\n");
}

TEST(IniReading, FolderThatCannotBeExaminedGivesTheDefaults) {
    // A name too long to look up fails as an unreadable folder does: defaults, and no overwrite.
    const auto path = CaseDir() / std::string(300, 'n') / "WIN.INI";
    std::unique_ptr<TIniFile> ini;
    ASSERT_NO_THROW(ini = std::make_unique<TIniFile>(path.string()));
    EXPECT_EQ(ini->ReadInteger("KESTRA", "FontSize", 8), 8);
    EXPECT_THROW(ini->WriteString("KESTRA", "FontSize", "9"), Exception);
}
