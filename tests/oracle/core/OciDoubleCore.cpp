// The neighbour library of the Instant-Client-like test folder.
extern "C" __attribute__((visibility("default"))) int oci_double_core_version() {
    return 19;
}
