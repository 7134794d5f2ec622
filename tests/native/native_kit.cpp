#include "tests/native/native_kit.h"

#include "models/data/gen1_model.h"
#include "models/data/gen2_model.h"
#include "models/table/model_table.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace nativekit {

namespace fs = std::filesystem;

namespace {
// Test paths are ASCII: a wide path is its characters one by one.
std::string Narrow(const std::wstring& strPath) { return std::string(strPath.begin(), strPath.end()); }
std::wstring Widen(const std::string& strPath) { return std::wstring(strPath.begin(), strPath.end()); }
}  // namespace

ScratchFolder::ScratchFolder(const std::string& strName) : m_strPath((fs::current_path() / strName).string()) {
    Clear();
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    fs::remove_all(m_strPath, error);
}

std::wstring ScratchFolder::Path() const { return Widen(m_strPath); }
std::wstring ScratchFolder::operator/(std::string_view strName) const { return Widen(m_strPath + "/" + std::string(strName)); }

void ScratchFolder::Clear() const {
    std::error_code error;
    fs::remove_all(m_strPath, error);
    fs::create_directories(m_strPath, error);
}

std::vector<uint8_t> ReadBytes(const std::wstring& strPath) {
    std::ifstream file(Narrow(strPath), std::ios::binary | std::ios::ate);
    if (!file) return {};
    std::vector<uint8_t> bytes(static_cast<size_t>(file.tellg()));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) return {};
    return bytes;
}

bool WriteBytes(const std::wstring& strPath, const std::vector<uint8_t>& bytes) {
    std::ofstream file(Narrow(strPath), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

bool FileExists(const std::wstring& strPath) { return fs::exists(Narrow(strPath)); }

std::vector<std::string> FilesIn(const std::wstring& strFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(Narrow(strFolder), error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring Texts(std::wstring_view strId) {
    if (strId == L"add_profile_text") return L"Profile";
    if (strId == L"add_macro_text") return L"Macro";
    return L"?";
}

namespace {
std::vector<int> NumbersOf(int iGeneration) {
    std::vector<int> numbers;
    for (const ModelInfo& info : g_Models)
        if (info.iGeneration == iGeneration) numbers.push_back(info.iNumber);
    return numbers;
}
}  // namespace

const std::vector<int>& Gen1Numbers() {
    static const std::vector<int> numbers = NumbersOf(1);
    return numbers;
}

const std::vector<int>& Gen2Numbers() {
    static const std::vector<int> numbers = NumbersOf(2);
    return numbers;
}

}  // namespace nativekit
