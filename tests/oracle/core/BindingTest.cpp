// The client binding: locating the library, the initialisation failures with their texts and log,
// the capability groups, the OCI7-only client refused at logon, errors and the library lock.
#include "EngineFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

using namespace oracletest;

namespace {

// Sets or clears an environment variable for the scope.
class TEnvironmentGuard {
public:
    TEnvironmentGuard(const char* name, const char* value) : FName(name) {
        if (const char* old = std::getenv(name))
            FOld = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~TEnvironmentGuard() {
        if (FOld)
            setenv(FName, FOld->c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

void Touch(const std::string& path) {
    std::ofstream(path) << "";
}

std::string InitializationError() {
    try {
        InitializeOracleClient();
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetOracleClient(); }
    void TearDown() override { ResetOracleClient(); }
};

} // namespace

TEST_F(BindingTest, NoHomeAnywhereFailsWithSqlNetNotInstalledAndTheLog) {
    TEnvironmentGuard home("ORACLE_HOME", nullptr);
    TEnvironmentGuard path("LD_LIBRARY_PATH", nullptr);
    UseArguments({});
    const std::string message = InitializationError();
    EXPECT_EQ(message, "Initialization error\r\nSQL*Net not properly installed\r\n\r\n"
                       "OracleHomeKey: \r\nOracleHomeDir: ");
    EXPECT_FALSE(OracleClientLoaded());
}

TEST_F(BindingTest, HomeWithoutClientFailsWithCouldNotLocate) {
    const std::string home = NewTestFolder("EmptyHome");
    TEnvironmentGuard environment("ORACLE_HOME", home.c_str());
    UseArguments({});
    const std::string message = InitializationError();
    EXPECT_EQ(message.rfind("Initialization error\r\nCould not locate OCI dll\r\n\r\n", 0), 0u) << message;
    EXPECT_NE(message.find("OracleHomeDir: " + home), std::string::npos);
}

TEST_F(BindingTest, LocatingPrefersThePlainNameThenTheHighestVersionInTheLibFolder) {
    const std::string home = NewTestFolder("Home");
    std::filesystem::create_directories(home + "/lib");
    Touch(home + "/lib/libclntsh.so.12.1");
    Touch(home + "/lib/libclntsh.so.19.3");
    Touch(home + "/lib/libclntsh.so.9.10");
    TClientLocation versioned = LocateClientLibrary({"prog", "ORACLEHOME=" + home});
    EXPECT_EQ(versioned.Path, home + "/lib/libclntsh.so.19.3");
    EXPECT_EQ(versioned.Log, (std::vector<std::string>{"OracleHomeKey: ORACLEHOME", "OracleHomeDir: " + home,
                                                       "Found: libclntsh.so.12.1", "Found: libclntsh.so.19.3",
                                                       "Found: libclntsh.so.9.10",
                                                       "Using: " + home + "/lib/libclntsh.so.19.3"}));
    Touch(home + "/lib/libclntsh.so");
    EXPECT_EQ(LocateClientLibrary({"prog", "oraclehome=" + home}).Path, home + "/lib/libclntsh.so");
}

TEST_F(BindingTest, ForcedLibraryIsLoggedAndBindsEveryGroupOfTheEngine) {
    UseArguments({std::string("ocidll=") + ORACLE_TEST_ENGINE});
    InitializeOracleClient();
    EXPECT_EQ(OracleClientLog(), std::string("OCIDLL forced to ") + ORACLE_TEST_ENGINE);
    const TOciEntryPoints& oci = Oci();
    EXPECT_TRUE(oci.OCI8);
    EXPECT_TRUE(oci.OCI81);
    EXPECT_TRUE(oci.OCI90);
    EXPECT_FALSE(oci.OCI7);
    EXPECT_FALSE(oci.HasOlog);
}

TEST_F(BindingTest, LibraryThatCannotBeLoadedLogsTheLoaderResult) {
    const std::string folder = NewTestFolder("NotALibrary");
    const std::string text = folder + "/libclntsh.so";
    std::ofstream(text) << "not a library";
    UseArguments({"OCIDLL=" + text});
    const std::string message = InitializationError();
    EXPECT_EQ(message.rfind("Initialization error\r\nCould not load \"" + text + "\"\r\n\r\n", 0), 0u);
    EXPECT_NE(message.find(text + " is not a shared library"), std::string::npos) << message;
}

// The loader would map the missing part and die of SIGBUS on first touch.
TEST_F(BindingTest, TruncatedLibraryIsAnInitializationErrorNotACrash) {
    const std::string folder = NewTestFolder("TruncatedLibrary");
    std::ifstream engine(ORACLE_TEST_ENGINE, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(engine)), std::istreambuf_iterator<char>());
    for (const size_t kept : {size_t{64}, size_t{1000}, bytes.size() / 2, bytes.size() * 3 / 4}) {
        SCOPED_TRACE(kept);
        const std::string cut = folder + "/libclntsh.so";
        std::ofstream(cut, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(kept));
        UseArguments({"OCIDLL=" + cut});
        const std::string message = InitializationError();
        EXPECT_EQ(message.rfind("Initialization error\r\nCould not load", 0), 0u) << message;
        EXPECT_NE(message.find("truncated or damaged"), std::string::npos) << message;
        EXPECT_FALSE(OracleClientLoaded());
    }
}

TEST_F(BindingTest, InstantClientFolderLoadsThroughOracleHomeWithTheNeighbourItNeeds) {
    TEnvironmentGuard path("LD_LIBRARY_PATH", nullptr);
    UseArguments({std::string("ORACLEHOME=") + ORACLE_TEST_INSTANT_CLIENT});
    EXPECT_EQ(InitializationError(), "");
    EXPECT_EQ(OracleClientPath(), std::string(ORACLE_TEST_INSTANT_CLIENT) + "/libclntsh.so");
    EXPECT_NE(
        OracleClientLog().find("Loaded: " + std::string(ORACLE_TEST_INSTANT_CLIENT) + "/libclntshcore.so"),
        std::string::npos)
        << OracleClientLog();
}

TEST_F(BindingTest, ClientLackingOneOci8EntryAndEveryOci7OneCannotInitialize) {
    UseArguments({std::string("OCIDLL=") + ORACLE_TEST_NO_OCI8});
    const std::string message = InitializationError();
    EXPECT_EQ(message, std::string("Initialization error\r\nCould not initialize \"") + ORACLE_TEST_NO_OCI8 +
                           "\"\r\n\r\nOCIDLL forced to " + ORACLE_TEST_NO_OCI8);
    EXPECT_FALSE(OracleClientLoaded());
}

TEST_F(BindingTest, ClientWithOci7OnlyLoadsButItsLogonIsRefusedClearly) {
    UseArguments({std::string("OCIDLL=") + ORACLE_TEST_OCI7});
    InitializeOracleClient();
    EXPECT_TRUE(Oci().OCI7);
    EXPECT_FALSE(Oci().OCI8);
    TOracleSession session;
    session.LogonUsername = "scott/tiger@db";
    try {
        session.LogOn();
        FAIL() << "logon succeeded";
    } catch (const EOracleError&) {
        FAIL() << "an OCI7 requirement is no server error";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("OCI7"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(session.Connected());
}

TEST(OracleErrorTest, MessageIsCutAt1023Characters) {
    const EOracleError error(std::string(2000, 'x'), 1, nullptr, nullptr);
    EXPECT_EQ(std::string(error.what()).size(), 1023u);
    EXPECT_EQ(error.ErrorCode(), 1);
}

TEST(OracleErrorTest, NoDataStatusReadsAsOra01403) {
    EXPECT_EQ(ReadOracleError(OCI_NO_DATA, nullptr),
              (std::pair<int, std::string>{1403, "ORA-01403: no data found"}));
}

TEST(CriticalSectionTest, LeavingWithoutEnteringDoesNothingAndEntriesNest) {
    TOracleCriticalSection lock;
    lock.Leave();
    lock.Enter();
    lock.Enter();
    lock.Leave();
    lock.Leave();
    lock.Leave();
    lock.Enter(); // would deadlock or fail if the extra Leave had unbalanced the lock
    lock.Leave();
}

TEST_F(BindingTest, NetServiceNamesComeFromTnsnamesWithoutTheDefaultDomain) {
    const std::string admin = NewTestFolder("TnsAdmin");
    std::ofstream(admin + "/sqlnet.ora") << "names.default_domain = bank.si\n";
    std::ofstream(admin + "/tnsnames.ora") << "# prod = (not this)\n"
                                              "PROD.BANK.SI, prod2 =\n"
                                              "  (DESCRIPTION = (ADDRESS = (HOST = a)(PORT = 1521)))\n"
                                              "ifile = " +
                                                  admin +
                                                  "/more.ora\n"
                                                  "demo = (DESCRIPTION = (x = y))\n";
    std::ofstream(admin + "/more.ora") << "test.bank.si = (DESCRIPTION = ())\nprod = (DESCRIPTION = ())\n";
    TEnvironmentGuard tnsAdmin("TNS_ADMIN", admin.c_str());
    EXPECT_EQ(DefaultDomain(), "BANK.SI");
    EXPECT_EQ(NetServiceNames(), (std::vector<std::string>{"DEMO", "PROD", "PROD2", "TEST"}));
}

TEST(OracleErrorTest, WarningCodesAreReadUntilTheFirstMissingNumberSkippingStars) {
    const std::string file = NewTestFolder("Warnings") + "/oracle.ini";
    std::ofstream(file) << "[WarningCodes]\n1=24344\n2=*1403\n3=28002\n5=942\n";
    EXPECT_EQ(ReadOracleWarningCodes(file), (std::vector<int>{24344, 28002}));
    EXPECT_TRUE(ReadOracleWarningCodes(file + ".missing").empty());
}
