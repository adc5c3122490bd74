#include "FolderList.h"

#include "IniSyntax.h"

#include <filesystem>

namespace veltrane {

std::vector<std::string> ListFolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    // Greedy wildcard match with one back-tracking point: linear enough for file names.
    std::size_t n = 0, m = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || FoldAscii(mask[m]) == FoldAscii(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            star = m++;
            resume = n;
        } else if (star != std::string_view::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

std::vector<std::string> ListMatchingFiles(const std::string& folder, std::string_view mask) {
    std::vector<std::string> names;
    for (std::string& name : ListFolderEntries(folder))
        if (MatchesMask(name, mask))
            names.push_back(std::move(name));
    return names;
}

} // namespace veltrane
