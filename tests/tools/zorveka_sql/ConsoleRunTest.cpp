// zorveka-sql end to end: a script of DDL, DML, a PL/SQL block and queries against the engine,
// its output, its error reports and its exit status.
#include <gtest/gtest.h>

#include "platform/oci_sqlite/OciApi.h"

#include <array>
#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

struct TRun {
    int Status = -1;
    std::string Out, Errors;
};

class ConsoleRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        Folder = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/zorveka_sql/" + info->name();
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        Database = Folder + "/console.db";
        void* engine = dlopen(ORACLE_TEST_ENGINE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(engine, nullptr);
        auto create =
            reinterpret_cast<ocisqlite_create_database_t>(dlsym(engine, "ocisqlite_create_database"));
        char message[256] = {};
        ASSERT_EQ(create(Database.c_str(), "scott", "tiger", message, sizeof message), 0) << message;
        dlclose(engine);
    }

    TRun RunScript(const std::string& script, const std::string& options = "",
                   const std::string& connect = "") {
        const std::string scriptFile = Folder + "/script.sql";
        std::ofstream(scriptFile) << script;
        const std::string command = std::string(ZORVEKA_SQL_EXE) + " " +
                                    (connect.empty() ? "scott/tiger@" + Database : connect) +
                                    " OCIDLL=" + ORACLE_TEST_ENGINE + " " + options + " " + scriptFile +
                                    " >" + Folder + "/out.txt 2>" + Folder + "/err.txt";
        TRun run;
        const int status = std::system(command.c_str());
        run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = Read(Folder + "/out.txt");
        run.Errors = Read(Folder + "/err.txt");
        return run;
    }

    static std::string Read(const std::string& file) {
        std::ifstream input(file);
        return std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
    }

    std::string Folder, Database;
};

const char kScript[] = R"(-- the console's round trip
create table acct (id number(9) not null, name varchar2(20), amount number(12,2), opened date);
insert into acct values (1, 'Alpha', 1234.5, to_date('05.03.2023', 'dd.mm.yyyy'));
insert into acct (id, name, opened) values (2, 'Beta', to_date('06.03.2023 07:08:09', 'dd.mm.yyyy hh24:mi:ss'));
begin
  update acct set amount = 10 where id = 2;
  insert into acct (id) values (3);
end;
/
select id, name, amount, opened from acct order by id;
select * from missing;
select count(*) as n from acct;
)";

} // namespace

TEST_F(ConsoleRunTest, ScriptRunsDdlDmlPlsqlAndQueriesAndGoesOnAfterAnError) {
    const TRun run = RunScript(kScript);
    EXPECT_EQ(run.Status, 0) << run.Errors;
    EXPECT_EQ(run.Out, "ID\tNAME\tAMOUNT\tOPENED\n"
                       "1\tAlpha\t1234.5\t05.03.2023\n"
                       "2\tBeta\t10\t06.03.2023 07:08:09\n"
                       "3\t\t\t\n"
                       "N\n"
                       "3\n");
    EXPECT_EQ(run.Errors.rfind("ORA-00942: ", 0), 0u) << run.Errors;
}

TEST_F(ConsoleRunTest, StopOnErrorEndsWithStatusOne) {
    const TRun run = RunScript("select * from missing;\nselect 1 as one from dual;\n", "--stop-on-error");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Errors.rfind("ORA-00942: ", 0), 0u);
}

TEST_F(ConsoleRunTest, ChangesAreCommittedAtTheEnd) {
    RunScript("create table k (n number(9));\ninsert into k values (7);\n");
    const TRun run = RunScript("select n from k;\n");
    EXPECT_EQ(run.Out, "N\n7\n");
}

TEST_F(ConsoleRunTest, FailedLogonAndMissingArgumentsEndWithStatusTwo) {
    const TRun wrong = RunScript("select 1 from dual;\n", "", "scott/wrong@" + Database);
    EXPECT_EQ(wrong.Status, 2);
    EXPECT_NE(wrong.Errors.find("ORA-01017"), std::string::npos) << wrong.Errors;
    const int usage = std::system((std::string(ZORVEKA_SQL_EXE) + " 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(usage), 2);
}

TEST_F(ConsoleRunTest, ControlCharactersInValuesAreEscaped) {
    const TRun run = RunScript("select 'a\tb' as t, 'line\none' as n, '\x1b[31mred\\' as e from dual;\n");
    EXPECT_EQ(run.Out, "T\tN\tE\na\\tb\tline\\r\\none\t\\x1b[31mred\\\\\n") << run.Errors;
}

TEST_F(ConsoleRunTest, UnknownOrRepeatedSettingsAreUsageErrors) {
    for (const std::string& settings : {std::string("OCIDL=/x.so"), std::string("OCIDLL=/y.so")}) {
        const TRun run = RunScript("select 1 as one from dual;\n", settings);
        EXPECT_EQ(run.Status, 2) << settings;
        EXPECT_EQ(run.Out, "") << settings;
    }
}

TEST_F(ConsoleRunTest, ExpiredPasswordIsReportedWithItsText) {
    RunScript("create user clerk identified by pw;\nalter user clerk password expire;\n");
    const TRun run = RunScript("select 1 as one from dual;\n", "", "clerk/pw@" + Database);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Errors.find("ORA-28001: the password has expired"), std::string::npos) << run.Errors;
}

TEST_F(ConsoleRunTest, ConfigurationFolderThatCannotBeExaminedDoesNotHideTheError) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string before = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", (Folder + "/" + std::string(300, 'n')).c_str(), 1);
    const TRun run = RunScript("select * from missing;\nselect 1 as one from dual;\n");
    saved ? setenv("XDG_CONFIG_HOME", before.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors.rfind("ORA-00942: ", 0), 0u) << run.Errors;
    EXPECT_EQ(run.Out, "ONE\n1\n");
}
