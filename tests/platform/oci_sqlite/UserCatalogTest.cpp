// The user catalog on its own: password states and their order of precedence, checked on a database
// file directly, beside the statement-level tests that reach it through the OCI calls.
#include "OciClient.h"

#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/UserCatalog.h"

#include <gtest/gtest.h>

using namespace ocisqlite;

namespace {

class UserCatalogTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string path = ocitest::NewDatabasePath("users");
        CreateDatabase(path, "scott", "tiger");
        db = OpenDatabase(path);
    }
    int LogonCode(const std::string& user, const std::string& password) {
        try {
            UserCatalog(db.get()).CheckLogon(user, password);
            return 0;
        } catch (const EngineError& e) {
            return e.code();
        }
    }
    Connection db;
};

TEST_F(UserCatalogTest, GraceCountsDaysAndPasswordChangeEndsIt) {
    UserCatalog users(db.get());
    users.StartGrace("scott", 7);
    EXPECT_EQ(users.CheckLogon("scott", "tiger").graceDays, 7);
    EXPECT_EQ(LogonCode("scott", "wrong"), 1017); // a wrong password is refused first
    users.SetPassword("scott", "lion");
    EXPECT_EQ(users.CheckLogon("scott", "lion").graceDays, -1);
}

TEST_F(UserCatalogTest, ExpiredGraceIsExpiry) {
    UserCatalog users(db.get());
    users.StartGrace("scott", 0);
    EXPECT_EQ(LogonCode("scott", "tiger"), 28001);
}

TEST_F(UserCatalogTest, ExpiryOverridesGraceAndUnknownUsersAreRefused) {
    UserCatalog users(db.get());
    users.StartGrace("scott", 7);
    users.Expire("SCOTT");
    EXPECT_EQ(LogonCode("scott", "tiger"), 28001);
    EXPECT_THROW(users.Expire("nobody"), EngineError);
    EXPECT_THROW(users.CreateUser("Scott", "x"), EngineError); // names fold to upper case
}

TEST(OciDatabaseFile, CreationNeedsANewFile) {
    const std::string path = ocitest::NewDatabasePath("exists");
    CreateDatabase(path, "a", "b");
    try {
        CreateDatabase(path, "a", "b");
        FAIL() << "an existing file was accepted";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.code(), 1501);
    }
    EXPECT_THROW(OpenDatabase(path + ".missing"), EngineError);
}

} // namespace
