// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/OutputIdentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

namespace {

struct FileIdentity {
    bool bExists = false;
    dev_t nDevice = 0;
    ino_t nInode = 0;
    std::string strResolved;  // for a file still to be made
};

// The absolute, link-free spelling of a path whose last component may not
// exist yet: its folder resolved, the name appended.
std::string ResolvedPath(const std::string& strPath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path path = fs::absolute(strPath, ec).lexically_normal();
    if (ec) return strPath;
    const fs::path folder = fs::weakly_canonical(path.parent_path(), ec);
    if (ec) return path.string();
    return (folder / path.filename()).lexically_normal().string();
}

FileIdentity IdentityOf(const std::string& strPathGiven) {
    const std::string strPath = LinkTarget(strPathGiven);
    FileIdentity id;
    struct stat st;
    // stat follows links: a link to the input is the input.
    if (stat(strPath.c_str(), &st) == 0) {
        id.bExists = true;
        id.nDevice = st.st_dev;
        id.nInode = st.st_ino;
    } else {
        id.strResolved = ResolvedPath(strPath);
    }
    return id;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b) {
    if (a.bExists != b.bExists) return false;
    if (a.bExists) return a.nDevice == b.nDevice && a.nInode == b.nInode;
    return a.strResolved == b.strResolved;
}

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

}  // namespace

std::string LinkTarget(const std::string& strPath) {
    std::string s = strPath;
    // As many links as the kernel follows in one lookup; a loop stays a link.
    for (int i = 0; i < 40; ++i) {
        struct stat st;
        if (lstat(s.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return s;
        std::string strLink(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = readlink(s.c_str(), strLink.data(), strLink.size());
        if (n <= 0 || static_cast<size_t>(n) >= strLink.size()) return s;
        strLink.resize(static_cast<size_t>(n));
        if (strLink[0] == '/') {
            s = strLink;
        } else {
            const size_t nSlash = s.rfind('/');
            s = (nSlash == std::string::npos ? std::string() : s.substr(0, nSlash + 1)) + strLink;
        }
    }
    return s;
}

bool CheckOutputIdentities(const NamedFile& input, const std::vector<NamedFile>& outputs,
                           std::string& strError) {
    std::vector<FileIdentity> ids;
    for (const NamedFile& out : outputs) ids.push_back(IdentityOf(out.strPath));
    if (!input.strPath.empty()) {
        const FileIdentity in = IdentityOf(input.strPath);
        for (size_t i = 0; i < outputs.size(); ++i)
            if (SameFile(in, ids[i])) {
                strError = outputs[i].strOption + " " + Quoted(outputs[i].strPath) + " is " +
                           input.strOption + " " + Quoted(input.strPath) +
                           ": it would be overwritten";
                return false;
            }
    }
    for (size_t i = 0; i < outputs.size(); ++i)
        for (size_t j = i + 1; j < outputs.size(); ++j)
            if (SameFile(ids[i], ids[j])) {
                strError = outputs[i].strOption + " " + Quoted(outputs[i].strPath) + " and " +
                           outputs[j].strOption + " " + Quoted(outputs[j].strPath) +
                           " are the same file: give each output its own name";
                return false;
            }
    return true;
}
