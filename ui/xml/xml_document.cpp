#include "ui/xml/xml_document.h"

#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include "ui/base/win_handles.h"

namespace DuiLib {

namespace {

constexpr UINT kMaxElementDepth = 64;
constexpr size_t kMaxFileBytes = 64u * 1024u * 1024u;

std::wstring Hresult(LPCWSTR pstrWhat, HRESULT hr) {
    wchar_t sz[96];
    wsprintfW(sz, L"%s failed (0x%08X)", pstrWhat, static_cast<unsigned>(hr));
    return sz;
}

// Reads the attributes of the element the reader stands on.
HRESULT ReadAttributes(IXmlReader* pReader, CXmlNode& node) {
    HRESULT hr = pReader->MoveToFirstAttribute();
    while (hr == S_OK) {
        LPCWSTR pName = nullptr;
        LPCWSTR pValue = nullptr;
        if (FAILED(hr = pReader->GetLocalName(&pName, nullptr))) return hr;
        if (FAILED(hr = pReader->GetValue(&pValue, nullptr))) return hr;
        node.aAttributes.emplace_back(pName ? pName : L"", pValue ? pValue : L"");
        hr = pReader->MoveToNextAttribute();
    }
    if (FAILED(hr)) return hr;
    return pReader->MoveToElement();
}

// Builds the element tree from the reader; the document's single root element ends in root.
HRESULT ReadTree(IXmlReader* pReader, CXmlNode& root, bool& bHasRoot) {
    std::vector<CXmlNode*> stack;
    XmlNodeType nodeType;
    HRESULT hr;
    while ((hr = pReader->Read(&nodeType)) == S_OK) {
        switch (nodeType) {
            case XmlNodeType_Element: {
                CXmlNode* pNode = nullptr;
                if (stack.empty()) {
                    if (bHasRoot) return E_FAIL;
                    bHasRoot = true;
                    pNode = &root;
                } else {
                    stack.back()->aChildren.emplace_back();
                    pNode = &stack.back()->aChildren.back();
                }
                LPCWSTR pName = nullptr;
                if (FAILED(hr = pReader->GetLocalName(&pName, nullptr))) return hr;
                pNode->sName = pName ? pName : L"";
                bool bEmpty = pReader->IsEmptyElement() != FALSE;
                if (FAILED(hr = ReadAttributes(pReader, *pNode))) return hr;
                // Children are appended to the vector of the element on top of the stack; the
                // pointers below it stay valid because only the top element's vector grows.
                if (!bEmpty) stack.push_back(pNode);
                break;
            }
            case XmlNodeType_EndElement:
                if (!stack.empty()) stack.pop_back();
                break;
            case XmlNodeType_Text:
            case XmlNodeType_CDATA: {
                LPCWSTR pValue = nullptr;
                if (FAILED(hr = pReader->GetValue(&pValue, nullptr))) return hr;
                if (!stack.empty() && pValue != nullptr) stack.back()->sText += pValue;
                break;
            }
            default:
                break;
        }
    }
    return FAILED(hr) ? hr : S_OK;
}

}  // namespace

LPCWSTR CXmlNode::GetAttribute(LPCWSTR pstrName) const {
    for (const auto& [sName, sValue] : aAttributes) {
        if (sName == pstrName) return sValue.c_str();
    }
    return nullptr;
}

bool CXmlDocument::LoadFromFile(LPCWSTR pstrPath) {
    m_bLoaded = false;
    m_root = CXmlNode();
    FileHandle file(::CreateFileW(pstrPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        m_sError = std::wstring(L"cannot open ") + pstrPath;
        return false;
    }
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(file.Get(), &liSize) || liSize.QuadPart > static_cast<LONGLONG>(kMaxFileBytes)) {
        m_sError = std::wstring(L"cannot size ") + pstrPath;
        return false;
    }
    std::vector<BYTE> bytes(static_cast<size_t>(liSize.QuadPart));
    DWORD dwRead = 0;
    if (!bytes.empty() && (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &dwRead, nullptr) ||
                           dwRead != bytes.size())) {
        m_sError = std::wstring(L"cannot read ") + pstrPath;
        return false;
    }
    return LoadFromBytes(bytes.data(), bytes.size());
}

bool CXmlDocument::LoadFromString(LPCWSTR pstrXml) {
    std::wstring sXml(pstrXml ? pstrXml : L"");
    // The text is already decoded; a declaration naming another encoding would only confuse
    // the reader, so it is dropped.
    size_t iStart = sXml.find_first_not_of(L" \t\r\n\xFEFF");
    if (iStart != std::wstring::npos && sXml.compare(iStart, 5, L"<?xml") == 0) {
        size_t iEnd = sXml.find(L"?>", iStart);
        if (iEnd != std::wstring::npos) sXml.erase(0, iEnd + 2);
    }
    std::vector<BYTE> bytes;
    bytes.reserve(2 + sXml.size() * 2);
    bytes.push_back(0xFF);  // UTF-16LE byte order mark
    bytes.push_back(0xFE);
    for (wchar_t ch : sXml) {
        bytes.push_back(static_cast<BYTE>(ch & 0xFF));
        bytes.push_back(static_cast<BYTE>((ch >> 8) & 0xFF));
    }
    return LoadFromBytes(bytes.data(), bytes.size());
}

bool CXmlDocument::LoadFromBytes(const void* pData, size_t cbData) {
    m_bLoaded = false;
    m_root = CXmlNode();
    m_sError.clear();
    ComPtr<IStream> stream;
    stream.Attach(::SHCreateMemStream(static_cast<const BYTE*>(pData), static_cast<UINT>(cbData)));
    if (!stream) {
        m_sError = L"SHCreateMemStream failed";
        return false;
    }
    ComPtr<IXmlReader> reader;
    HRESULT hr = ::CreateXmlReader(__uuidof(IXmlReader), reinterpret_cast<void**>(reader.ReleaseAndGetAddressOf()), nullptr);
    if (FAILED(hr)) {
        m_sError = Hresult(L"CreateXmlReader", hr);
        return false;
    }
    reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
    reader->SetProperty(XmlReaderProperty_MaxElementDepth, kMaxElementDepth);
    if (FAILED(hr = reader->SetInput(stream.Get()))) {
        m_sError = Hresult(L"SetInput", hr);
        return false;
    }
    bool bHasRoot = false;
    if (FAILED(hr = ReadTree(reader.Get(), m_root, bHasRoot)) || !bHasRoot) {
        m_sError = Hresult(L"XML read", FAILED(hr) ? hr : E_FAIL);
        m_root = CXmlNode();
        return false;
    }
    m_bLoaded = true;
    return true;
}

}  // namespace DuiLib
