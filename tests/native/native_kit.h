// What the native tests and the fuzz harness share: a scratch folder of their own, raw file bytes,
// and the language texts the storage names new records with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nativekit {

// A fresh, empty folder under the working folder, removed again when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& strName);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The folder, and a path inside it, as the data library takes paths.
    std::wstring Path() const;
    std::wstring operator/(std::string_view strName) const;
    // Empties the folder again.
    void Clear() const;

private:
    std::string m_strPath;
};

std::vector<uint8_t> ReadBytes(const std::wstring& strPath);
bool WriteBytes(const std::wstring& strPath, const std::vector<uint8_t>& bytes);
bool FileExists(const std::wstring& strPath);
// The names of the files in a folder, sorted.
std::vector<std::string> FilesIn(const std::wstring& strFolder);

std::wstring Texts(std::wstring_view strId);

// The models of each generation, in model order.
const std::vector<int>& Gen1Numbers();
const std::vector<int>& Gen2Numbers();

}  // namespace nativekit
