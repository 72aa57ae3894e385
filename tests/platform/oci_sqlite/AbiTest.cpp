// The library as a client library: every entry point the layer looks up is there (and none of the
// older generation), handles are checked, refused features say so with ORA-03001, and the version
// banner names this engine and the Oracle release it follows.
#include "OciClient.h"

#include "platform/oci_sqlite/OciRefusedApi.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <type_traits>
#include <vector>

using namespace ocitest;

namespace {

TEST(OciAbi, ExportsEveryLaterGenerationNameAndNoOci7Name) {
    const OciLibrary& oci = OciLibrary::Get();
#define OCI_TEST_PRESENT(ret, name, params) EXPECT_NE(oci.Lookup(#name), nullptr) << #name;
    OCI_FUNCTIONS(OCI_TEST_PRESENT)
#undef OCI_TEST_PRESENT
    EXPECT_NE(oci.Lookup("ocisqlite_create_database"), nullptr);
    for (const char* name : {"orlon", "ologof", "oerhms", "oopen",  "oparse", "odefin", "oexfet", "ofen",
                             "oflng", "oclose", "odescr", "oexec",  "oexn",   "ocom",   "orol",   "ocon",
                             "ocof",  "obreak", "obndra", "odessp", "olog",   "opinit"})
        EXPECT_EQ(oci.Lookup(name), nullptr) << name;
}

TEST(OciAbi, InvalidHandlesAnswerInvalidHandle) {
    Client client;
    const OciLibrary& oci = client.oci;
    EXPECT_EQ(oci.OCIStmtExecute(nullptr, nullptr, client.err, 1, 0, nullptr, nullptr, 0),
              OCI_INVALID_HANDLE);
    // A handle of the wrong kind is refused too.
    EXPECT_EQ(oci.OCIStmtPrepare(reinterpret_cast<OCIStmt*>(client.svc), client.err,
                                 reinterpret_cast<const OraText*>("select 1 from dual"), 18, OCI_NTV_SYNTAX,
                                 0),
              OCI_INVALID_HANDLE);
    EXPECT_EQ(oci.OCIHandleFree(client.err, OCI_HTYPE_STMT), OCI_INVALID_HANDLE);
    EXPECT_EQ(oci.OCIAttrGet(nullptr, OCI_HTYPE_STMT, nullptr, nullptr, OCI_ATTR_ROW_COUNT, client.err),
              OCI_INVALID_HANDLE);
}

// Thousands of handles grow the registry several times; freeing every third of them, last first, must
// leave every other one live and each freed one refused.
TEST(OciAbi, ManyHandlesStayLiveUntilFreed) {
    Client client;
    const OciLibrary& oci = client.oci;
    std::vector<OCIStmt*> handles(3000);
    for (OCIStmt*& stmt : handles)
        ASSERT_EQ(oci.OCIHandleAlloc(client.env, reinterpret_cast<void**>(&stmt), OCI_HTYPE_STMT, 0, nullptr),
                  OCI_SUCCESS);
    for (size_t n = (handles.size() + 2) / 3; n-- > 0;) // every third, last first
        ASSERT_EQ(oci.OCIHandleFree(handles[3 * n], OCI_HTYPE_STMT), OCI_SUCCESS);
    for (size_t i = 0; i < handles.size(); ++i)
        EXPECT_EQ(oci.OCIHandleFree(handles[i], OCI_HTYPE_STMT),
                  i % 3 == 0 ? OCI_INVALID_HANDLE : OCI_SUCCESS)
            << i;
}

TEST(OciAbi, ChildrenOutliveTheirFreedEnvironment) {
    const OciLibrary& oci = OciLibrary::Get();
    OCIEnv* env = nullptr;
    OCIStmt* stmt = nullptr;
    OCIError* err = nullptr;
    ASSERT_EQ(oci.OCIEnvCreate(&env, OCI_OBJECT, nullptr, nullptr, nullptr, nullptr, 0, nullptr),
              OCI_SUCCESS);
    oci.OCIHandleAlloc(env, reinterpret_cast<void**>(&stmt), OCI_HTYPE_STMT, 0, nullptr);
    oci.OCIHandleAlloc(env, reinterpret_cast<void**>(&err), OCI_HTYPE_ERROR, 0, nullptr);
    ASSERT_EQ(oci.OCIHandleFree(env, OCI_HTYPE_ENV), OCI_SUCCESS);
    EXPECT_EQ(oci.OCIStmtPrepare(stmt, err, reinterpret_cast<const OraText*>("COMMIT"), 6, OCI_NTV_SYNTAX, 0),
              OCI_SUCCESS);
    EXPECT_EQ(oci.OCIHandleFree(stmt, OCI_HTYPE_STMT), OCI_SUCCESS);
    EXPECT_EQ(oci.OCIHandleFree(stmt, OCI_HTYPE_STMT), OCI_INVALID_HANDLE); // already gone
    EXPECT_EQ(oci.OCIHandleFree(err, OCI_HTYPE_ERROR), OCI_SUCCESS);
}

TEST(OciAbi, RefusedFeaturesAnswerOra03001) {
    Client client;
    const OciLibrary& oci = client.oci;
    OCISvcCtx* svc = nullptr;
    const OciStatus logon =
        client.StatusOf(oci.OCILogon(client.env, client.err, &svc, nullptr, 0, nullptr, 0, nullptr, 0));
    EXPECT_EQ(logon.status, OCI_ERROR);
    EXPECT_EQ(logon.code, 3001);
    EXPECT_EQ(logon.text, "ORA-03001: unimplemented feature");
    EXPECT_EQ(client.StatusOf(oci.OCILobGetLength(client.svc, client.err, nullptr, nullptr)).code, 3001);
}

// Calls an entry point with every argument empty but the error handle, wherever the prototype has one.
template <class A> A ArgumentFor(OCIError* err) {
    if constexpr (std::is_same_v<A, OCIError*>)
        return err;
    else
        return A{};
}

template <class R, class... A> R CallWithOnlyAnErrorHandle(void* entry, OCIError* err, R (*)(A...)) {
    return reinterpret_cast<R (*)(A...)>(entry)(ArgumentFor<A>(err)...);
}

TEST(OciAbi, EveryUnservedFamilyAnswersOra03001ThroughItsErrorHandle) {
    Client client;
    const OciLibrary& oci = client.oci;
    const auto expectRefused = [&](const char* name, auto prototype) {
        void* entry = oci.Lookup(name);
        ASSERT_NE(entry, nullptr) << name;
        OCIError* err = nullptr; // a fresh handle each, so no earlier record can stand in for the call's
        ASSERT_EQ(oci.OCIHandleAlloc(client.env, reinterpret_cast<void**>(&err), OCI_HTYPE_ERROR, 0, nullptr),
                  OCI_SUCCESS);
        EXPECT_EQ(CallWithOnlyAnErrorHandle(entry, err, prototype), OCI_ERROR) << name;
        sb4 code = 0;
        char text[128] = "";
        oci.OCIErrorGet(err, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text,
                        OCI_HTYPE_ERROR);
        EXPECT_EQ(code, 3001) << name << ": " << text;
        oci.OCIHandleFree(err, OCI_HTYPE_ERROR);
    };
#define OCI_TEST_REFUSED(ret, name, params, errhp) expectRefused(#name, static_cast<ret(*) params>(nullptr));
    OCI_REFUSED_FUNCTIONS(OCI_TEST_REFUSED)
#undef OCI_TEST_REFUSED
}

TEST(OciAbi, VersionBannerNamesTheEngineWithTheOracleReleaseItFollows) {
    Client client;
    char banner[501] = "";
    ASSERT_EQ(client.oci.OCIServerVersion(client.svc, client.err, reinterpret_cast<OraText*>(banner),
                                          sizeof banner, OCI_HTYPE_SVCCTX),
              OCI_SUCCESS);
    const std::string text = banner;
    EXPECT_NE(text.find("ZORVEKA embedded engine"), std::string::npos) << text;
    EXPECT_NE(text.find(" Release 19.0.0.0.0 - "), std::string::npos) << text;
}

TEST(OciAbi, ErrorRecordStaysUntilTheNextError) {
    Client client;
    sb4 code = 0;
    char text[64];
    const auto record = [&] {
        return client.oci.OCIErrorGet(client.err, 1, nullptr, &code, reinterpret_cast<OraText*>(text),
                                      sizeof text, OCI_HTYPE_ERROR);
    };
    EXPECT_EQ(record(), OCI_NO_DATA);
    EXPECT_EQ(client.oci.OCITransCommit(client.svc, client.err, OCI_DEFAULT), OCI_ERROR);
    ASSERT_EQ(record(), OCI_SUCCESS);
    EXPECT_EQ(code, 1012);
    EXPECT_STREQ(text, "ORA-01012: not logged on");
    EXPECT_EQ(client.oci.OCIBreak(client.svc, client.err), OCI_SUCCESS);
    ASSERT_EQ(record(), OCI_SUCCESS);
    EXPECT_EQ(code, 1012);
}

// A statement far too long to wait for ends with ORA-01013 when another thread breaks it, or when
// the progress call-back answers non-zero; the session goes on.
TEST(OciAbi, BreakAndProgressEndARunningStatement) {
    const std::string path = CreateTestDatabase("break");
    Client client;
    ASSERT_EQ(client.Logon(path).status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("CREATE TABLE n (v NUMBER)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO n VALUES (1)").status, OCI_SUCCESS);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(client.Run("INSERT INTO n SELECT v FROM n").status, OCI_SUCCESS);
    const std::string endless = "SELECT COUNT(*) FROM n a, n b, n c";
    std::thread breaker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        client.oci.OCIBreak(client.svc, client.err);
    });
    const OciStatus broken = client.Run(endless);
    breaker.join();
    EXPECT_EQ(broken.text, "ORA-01013: user requested cancel of current operation");

    const auto setProgress =
        reinterpret_cast<ocisqlite_set_progress_t>(client.oci.Lookup("ocisqlite_set_progress"));
    ASSERT_NE(setProgress, nullptr);
    static int calls = 0;
    setProgress([](void*) { return ++calls == 3 ? 1 : 0; }, nullptr, 10);
    const OciStatus stopped = client.Run(endless);
    setProgress(nullptr, nullptr, 0);
    EXPECT_EQ(stopped.code, 1013);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(client.Query("SELECT COUNT(*) FROM n"), (Rows{{"1024"}}));
}

} // namespace
