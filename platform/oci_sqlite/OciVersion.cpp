// The release the engine reports, as server and as client: the Oracle release whose behaviour it
// follows, in Oracle's banner format and numeric encoding, with the engine's own name and version in
// the banner's product text. Clients enable features by this release.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"
#include "platform/oci_sqlite/RoundTrips.h"

#include <algorithm>
#include <cstring>

using namespace ocisqlite;

namespace {

constexpr sword kRelease = 19;
const char kBanner[] = "ZORVEKA embedded engine 1.0 (SQLite storage) Release 19.0.0.0.0 - Production";

// From release 18 on: release in the top byte, then update, update revision, increment.
constexpr ub4 kNumericRelease = static_cast<ub4>(kRelease) << 24;

sword WriteBanner(void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype, ub4* version) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        As<HandleHeader>(hndlp, hndltype);
        if (!bufp || bufsz == 0)
            return OCI_ERROR;
        const size_t length = std::min<size_t>(sizeof kBanner - 1, bufsz - 1);
        std::memcpy(bufp, kBanner, length);
        bufp[length] = '\0';
        if (version)
            *version = kNumericRelease;
        return OCI_SUCCESS;
    });
}

} // namespace

extern "C" {

sword OCIServerVersion(void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype) {
    return WriteBanner(hndlp, errhp, bufp, bufsz, hndltype, nullptr);
}

sword OCIServerRelease(void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype, ub4* version) {
    return WriteBanner(hndlp, errhp, bufp, bufsz, hndltype, version);
}

sword OCIServerRelease2(void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype, ub4* version,
                        ub4) {
    return WriteBanner(hndlp, errhp, bufp, bufsz, hndltype, version);
}

void OCIClientVersion(sword* major_version, sword* minor_version, sword* update_num, sword* patch_num,
                      sword* port_update_num) {
    for (sword* part : {major_version, minor_version, update_num, patch_num, port_update_num})
        if (part)
            *part = 0;
    if (major_version)
        *major_version = kRelease;
}

} // extern "C"
