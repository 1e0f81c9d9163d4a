#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A fresh directory under the system temp directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pravik-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file, making the folders of a name like "a/b.txt" first.
    std::string Write(const std::string& name, const std::string& content) const {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path(), ec);
        std::ofstream(File(name), std::ios::binary) << content;
        return File(name);
    }

private:
    std::string path_;
};
