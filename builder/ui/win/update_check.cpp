#include "builder/ui/win/update_check.h"

#include <msxml2.h>

#include <memory>
#include <vector>

#include "builder/ui/update_rules.h"
#include "builder/ui/win/running_version.h"
#include "widgets/win/handle.h"
#include "widgets/win/wide.h"

namespace {

// The MSXML 4.0 DOM document class.
const CLSID kDomDocument40 = {
    0x88D969C0, 0xF192, 0x11D4, {0xA6, 0x5F, 0x00, 0x40, 0x96, 0x32, 0x51, 0xE5}};
// The DOM document interfaces (the headers give no __uuidof for them).
const IID kIXMLDOMDocument = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kIXMLDOMDocument2 = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
// Where the 4.0 class is not registered (newer Windows, Wine), a later DOM of the same
// interface reads the document as well.
const wchar_t* const kFallbackDomClasses[] = {L"Msxml2.DOMDocument.6.0", L"Msxml2.DOMDocument.3.0"};

struct Job {
    HWND window;
    UINT doneMessage;
    std::u16string knownLatest;
    std::u16string address;
};

// A BSTR that frees itself.
class Bstr {
  public:
    explicit Bstr(const std::u16string& text) : m_text(SysAllocString(win::W(text))) {}
    Bstr() = default;
    ~Bstr() { SysFreeString(m_text); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return m_text; }
    BSTR* put() {
        SysFreeString(m_text);
        m_text = nullptr;
        return &m_text;
    }
    std::u16string Text() const {
        return m_text ? win::U16(m_text, SysStringLen(m_text)) : std::u16string();
    }

  private:
    BSTR m_text = nullptr;
};

win::ComPtr<IXMLDOMDocument> CreateDomDocument() {
    win::ComPtr<IXMLDOMDocument> document;
    if (SUCCEEDED(CoCreateInstance(kDomDocument40, nullptr, CLSCTX_ALL, kIXMLDOMDocument,
                                   reinterpret_cast<void**>(document.put())))) {
        return document;
    }
    for (const wchar_t* progId : kFallbackDomClasses) {
        CLSID clsid;
        if (FAILED(CLSIDFromProgID(progId, &clsid))) continue;
        if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIXMLDOMDocument,
                                       reinterpret_cast<void**>(document.put())))) {
            return document;
        }
    }
    return {};
}

bool NodeText(IXMLDOMDocument* document, const wchar_t* path, std::u16string* text) {
    Bstr query(win::U16(path));
    win::ComPtr<IXMLDOMNode> node;
    if (document->selectSingleNode(query.get(), node.put()) != S_OK || !node) return false;
    Bstr value;
    if (FAILED(node->get_text(value.put()))) return false;
    *text = value.Text();
    return true;
}

// The texts are taken whole; a document that names a version but no address (or the other
// way round) is no answer.
bool ReadElements(IXMLDOMDocument* document, std::u16string* latest, std::u16string* url) {
    std::u16string version, address;
    if (!NodeText(document, L"//latestversion", &version) ||
        !NodeText(document, L"//updateurl", &address)) {
        return false;
    }
    *latest = version;
    *url = address;
    return true;
}

DWORD WINAPI UpdateThread(void* parameter) {
    std::unique_ptr<Job> job(static_cast<Job*>(parameter));
    auto result = std::make_unique<UpdateCheckResult>();
    if (job->knownLatest.empty()) {
        wchar_t windows[MAX_PATH] = {};
        const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
        if (length == 0 || length >= MAX_PATH || !FindMsxml4Library(win::U16(windows))) {
            result->libraryMissing = true;
        } else {
            result->fetched =
                ReadUpdateDocument(job->address, &result->latestVersion, &result->updateUrl);
        }
        result->currentVersion = ReadRunningVersion();
    }
    if (PostMessageW(job->window, job->doneMessage, 0, reinterpret_cast<LPARAM>(result.get()))) {
        result.release();  // the window's thread owns it now
    }
    return 0;
}

}  // namespace

bool CUpdateCheck::Start(HWND window, UINT doneMessage, const std::u16string& knownLatest,
                         const std::u16string& documentAddress) {
    if (m_running) return false;
    auto job = std::make_unique<Job>(Job{window, doneMessage, knownLatest, documentAddress});
    win::KernelHandle thread(CreateThread(nullptr, 0, UpdateThread, job.get(), 0, nullptr));
    if (!thread) return false;
    job.release();  // the thread owns it now
    m_running = true;
    return true;
}

bool FindMsxml4Library(const std::u16string& windowsFolder) {
    // Each entry is a search pattern's folder text; the first is the Windows folder as the
    // system gives it, without a separator, so its pattern also matches the folder itself.
    std::vector<std::u16string> pending = {windowsFolder};
    while (!pending.empty()) {
        const std::u16string folder = std::move(pending.back());
        pending.pop_back();
        const std::u16string pattern = folder + u"*.*";
        const std::u16string parent = pattern.substr(0, pattern.find_last_of(u'\\') + 1);
        WIN32_FIND_DATAW entry;
        win::FindHandle search(FindFirstFileExW(win::W(pattern), FindExInfoBasic, &entry,
                                                FindExSearchNameMatch, nullptr, 0));
        if (!search) continue;
        do {
            const std::u16string name = win::U16(entry.cFileName);
            if (name == u"." || name == u"..") continue;
            const std::u16string path = parent + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                // A junction can lead back up the tree; the library is never behind one.
                if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                    pending.push_back(path + u"\\");
                }
            } else if (ui::IsMsxml4LibraryPath(path)) {
                return true;
            }
        } while (FindNextFileW(search.get(), &entry));
    }
    return false;
}

bool ReadUpdateDocument(const std::u16string& address, std::u16string* latestVersion,
                        std::u16string* updateUrl) {
    const HRESULT initialised = CoInitialize(nullptr);
    bool read = false;
    {
        win::ComPtr<IXMLDOMDocument> document = CreateDomDocument();
        if (document) {
            document->put_async(VARIANT_FALSE);
            // The document is data: no DTD, no outside entities.
            document->put_validateOnParse(VARIANT_FALSE);
            document->put_resolveExternals(VARIANT_FALSE);
            win::ComPtr<IXMLDOMDocument2> document2;
            if (SUCCEEDED(document->QueryInterface(kIXMLDOMDocument2,
                                                   reinterpret_cast<void**>(document2.put())))) {
                VARIANT language;
                VariantInit(&language);
                language.vt = VT_BSTR;
                language.bstrVal = SysAllocString(L"XPath");
                Bstr name(u"SelectionLanguage");
                document2->setProperty(name.get(), language);
                VariantClear(&language);
            }
            VARIANT source;
            VariantInit(&source);
            source.vt = VT_BSTR;
            source.bstrVal = SysAllocString(win::W(address));
            VARIANT_BOOL loaded = VARIANT_FALSE;
            const HRESULT hr = document->load(source, &loaded);
            VariantClear(&source);
            read = SUCCEEDED(hr) && loaded == VARIANT_TRUE &&
                   ReadElements(document.get(), latestVersion, updateUrl);
        }
    }
    if (SUCCEEDED(initialised)) CoUninitialize();
    return read;
}
