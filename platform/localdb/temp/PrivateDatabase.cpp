// One folder and one database per process, so that parallel processes never share a table.
#include "platform/localdb/temp/PrivateDatabase.h"

#include "platform/localdb/temp/PlaceholderCollation.h"

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

struct TPrivateFolder {
    std::filesystem::path Path;
    TPrivateFolder()
        : Path(std::filesystem::temp_directory_path() / ("zorveka-private-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(Path);
    }
    ~TPrivateFolder() {
        std::error_code ignored; // at exit nobody is left to tell
        std::filesystem::remove_all(Path, ignored);
    }
};

TPrivateFolder& Folder() {
    static TPrivateFolder folder;
    return folder;
}

} // namespace

const std::string& PrivateDirectory() {
    static const std::string directory = Folder().Path.string();
    return directory;
}

TLocalDatabase& PrivateDatabase() {
    static const std::unique_ptr<TLocalDatabase> database = [] {
        auto db = std::make_unique<TLocalDatabase>(PrivateDirectory() + "/local.db");
        InstallPlaceholderCollation(*db);
        return db;
    }();
    return *database;
}
