// OCI's portable threads over the C++ library and POSIX keys: mutexes, thread-specific keys with
// their destructors, thread ids (which may be null) and handles of threads OCIThreadCreate starts.
// The environment handle is not needed: every thread of the process shares them.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"

#include <mutex>
#include <optional>
#include <pthread.h>
#include <thread>

using namespace ocisqlite;

struct OCIThreadMutex {
    std::mutex mutex;
};
struct OCIThreadKey {
    pthread_key_t key;
};
struct OCIThreadId {
    std::optional<std::thread::id> id; // empty: the null id
};
struct OCIThreadHandle {
    std::thread thread;
};

namespace {

EngineError InvalidArgument() {
    return ora::Make(21560, "argument is null, invalid, or out of range");
}

template <class T> T* Required(T* pointer) {
    if (!pointer)
        throw InvalidArgument();
    return pointer;
}

template <class Body> sword ThreadCall(OCIError* err, Body&& body) {
    return OciCall(err, [&] {
        body();
        return OCI_SUCCESS;
    });
}

template <class T> void Destroy(T** object) {
    delete *Required(object);
    *object = nullptr;
}

} // namespace

extern "C" {

void OCIThreadProcessInit() {}

sword OCIThreadInit(void*, OCIError* err) {
    return ThreadCall(err, [] {});
}

sword OCIThreadTerm(void*, OCIError* err) {
    return ThreadCall(err, [] {});
}

boolean OCIThreadIsMulti() {
    return 1;
}

sword OCIThreadMutexInit(void*, OCIError* err, OCIThreadMutex** mutex) {
    return ThreadCall(err, [&] { *Required(mutex) = new OCIThreadMutex; });
}

sword OCIThreadMutexDestroy(void*, OCIError* err, OCIThreadMutex** mutex) {
    return ThreadCall(err, [&] { Destroy(mutex); });
}

sword OCIThreadMutexAcquire(void*, OCIError* err, OCIThreadMutex* mutex) {
    return ThreadCall(err, [&] { Required(mutex)->mutex.lock(); });
}

sword OCIThreadMutexRelease(void*, OCIError* err, OCIThreadMutex* mutex) {
    return ThreadCall(err, [&] { Required(mutex)->mutex.unlock(); });
}

sword OCIThreadKeyInit(void*, OCIError* err, OCIThreadKey** key, OCIThreadKeyDestFunc destFn) {
    return ThreadCall(err, [&] {
        auto made = std::make_unique<OCIThreadKey>();
        if (pthread_key_create(&made->key, destFn) != 0)
            throw ora::Make(4030, "out of process memory");
        *Required(key) = made.release();
    });
}

sword OCIThreadKeyDestroy(void*, OCIError* err, OCIThreadKey** key) {
    return ThreadCall(err, [&] {
        pthread_key_delete(Required(*Required(key))->key);
        Destroy(key);
    });
}

sword OCIThreadKeyGet(void*, OCIError* err, OCIThreadKey* key, void** pValue) {
    return ThreadCall(err, [&] { *Required(pValue) = pthread_getspecific(Required(key)->key); });
}

sword OCIThreadKeySet(void*, OCIError* err, OCIThreadKey* key, void* value) {
    return ThreadCall(err, [&] { pthread_setspecific(Required(key)->key, value); });
}

sword OCIThreadIdInit(void*, OCIError* err, OCIThreadId** tid) {
    return ThreadCall(err, [&] { *Required(tid) = new OCIThreadId; });
}

sword OCIThreadIdDestroy(void*, OCIError* err, OCIThreadId** tid) {
    return ThreadCall(err, [&] { Destroy(tid); });
}

sword OCIThreadIdSet(void*, OCIError* err, OCIThreadId* tidDest, OCIThreadId* tidSrc) {
    return ThreadCall(err, [&] { Required(tidDest)->id = Required(tidSrc)->id; });
}

sword OCIThreadIdSetNull(void*, OCIError* err, OCIThreadId* tid) {
    return ThreadCall(err, [&] { Required(tid)->id.reset(); });
}

sword OCIThreadIdGet(void*, OCIError* err, OCIThreadId* tid) {
    return ThreadCall(err, [&] { Required(tid)->id = std::this_thread::get_id(); });
}

sword OCIThreadIdSame(void*, OCIError* err, OCIThreadId* tid1, OCIThreadId* tid2, boolean* result) {
    return ThreadCall(err, [&] { *Required(result) = Required(tid1)->id == Required(tid2)->id ? 1 : 0; });
}

sword OCIThreadIdNull(void*, OCIError* err, OCIThreadId* tid, boolean* result) {
    return ThreadCall(err, [&] { *Required(result) = Required(tid)->id ? 0 : 1; });
}

sword OCIThreadHndInit(void*, OCIError* err, OCIThreadHandle** thnd) {
    return ThreadCall(err, [&] { *Required(thnd) = new OCIThreadHandle; });
}

// A thread still running is left to run on, as a closed handle's thread does.
sword OCIThreadHndDestroy(void*, OCIError* err, OCIThreadHandle** thnd) {
    return ThreadCall(err, [&] {
        if (Required(*Required(thnd))->thread.joinable())
            (*thnd)->thread.detach();
        Destroy(thnd);
    });
}

sword OCIThreadCreate(void*, OCIError* err, void (*start)(void*), void* arg, OCIThreadId* tid,
                      OCIThreadHandle* tHnd) {
    return ThreadCall(err, [&] {
        Required(tHnd)->thread = std::thread(Required(start), arg);
        if (tid)
            tid->id = tHnd->thread.get_id();
    });
}

sword OCIThreadJoin(void*, OCIError* err, OCIThreadHandle* tHnd) {
    return ThreadCall(err, [&] {
        if (!Required(tHnd)->thread.joinable())
            throw InvalidArgument();
        tHnd->thread.join();
    });
}

sword OCIThreadClose(void*, OCIError* err, OCIThreadHandle* tHnd) {
    return ThreadCall(err, [&] {
        if (Required(tHnd)->thread.joinable())
            tHnd->thread.detach();
    });
}

// The operating system's handle of the calling thread is not one a std::thread can hold.
sword OCIThreadHandleGet(void*, OCIError* err, OCIThreadHandle*) {
    return ThreadCall(err, [] { throw ora::Unimplemented(); });
}

} // extern "C"
