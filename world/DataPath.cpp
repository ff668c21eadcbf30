#include "world/DataPath.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeWithFree {
    void operator()(char* text) const { std::free(text); }
};

// realpath(3) follows links by lstat and readlink; it never opens the file.
bool realPath(const std::string& path, std::string& real, int& error) {
    std::unique_ptr<char, FreeWithFree> result(realpath(path.c_str(), nullptr));
    error = errno;
    if (!result) return false;
    real = result.get();
    return true;
}

// Whether ".." ever climbs to data/ itself or above: the path is checked as
// spelled, before anything on disk is asked, so "../../etc/passwd" is refused
// whether or not it exists.
bool climbsOutOfData(const std::string& path) {
    int depth = -1;  // "data" is depth 0; its contents are 1 and deeper
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (--depth < 1) return true;
        } else if (!part.empty() && part != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

bool resolveDataPath(const std::string& directory, const std::string& name, std::string& resolved,
                     std::string& problem) {
    if (!name.empty() && name.front() == '/') {
        problem = "is an absolute path; a level names its files below data/";
        return false;
    }
    const std::string spelled = directory + "/" + name;
    if (climbsOutOfData(spelled)) {
        problem = "leaves data/ through \"..\"";
        return false;
    }
    std::string real;
    int error = 0;
    if (!realPath(spelled, real, error)) {
        if (error == ELOOP) {
            problem = "is a loop of symbolic links";
            return false;
        }
        if (error != ENOENT && error != ENOTDIR) {
            problem = std::string("cannot be read (") + std::strerror(error) + ")";
            return false;
        }
        resolved = spelled;
        return true;
    }
    std::string root;
    if (!realPath("data", root, error)) {
        problem = "cannot be read (data/ is not there)";
        return false;
    }
    if (real.compare(0, root.size() + 1, root + "/") != 0) {
        problem = "leaves data/ through a symbolic link";
        return false;
    }
    resolved = real;
    return true;
}
