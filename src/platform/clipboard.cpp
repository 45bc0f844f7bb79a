#include "platform/clipboard.h"

namespace tintora::platform {
namespace {

// The clipboard, open for as long as this lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) noexcept
        : open_(::OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) ::CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool Open() const noexcept { return open_; }

private:
    bool open_;
};

// Movable global memory, locked for as long as this lives.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory) noexcept
        : memory_(memory)
        , data_(static_cast<wchar_t*>(::GlobalLock(memory))) {}
    ~LockedMemory() {
        if (data_ != nullptr) ::GlobalUnlock(memory_);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    wchar_t* Data() const noexcept { return data_; }

private:
    HGLOBAL memory_;
    wchar_t* data_;
};

} // namespace

bool CopyText(HWND owner, std::wstring_view text) noexcept {
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) return false;
    {
        const LockedMemory locked(memory.get());
        if (locked.Data() == nullptr) return false;
        text.copy(locked.Data(), text.size());
        locked.Data()[text.size()] = L'\0';
    }
    const OpenedClipboard clipboard(owner);
    if (!clipboard.Open() || !::EmptyClipboard()) return false;
    if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
    memory.release(); // the clipboard owns it now
    return true;
}

int PasteText(HWND owner, wchar_t* buffer, int size) noexcept {
    const OpenedClipboard clipboard(owner);
    if (!clipboard.Open()) return -1;
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return -1;
    const LockedMemory locked(data);
    if (locked.Data() == nullptr) return -1;
    // Never read past the memory, whether or not the text in it is terminated.
    const std::size_t capacity = ::GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < capacity && locked.Data()[length] != L'\0')
        ++length;
    if (length >= static_cast<std::size_t>(size)) return -1;
    std::wstring_view(locked.Data(), length).copy(buffer, length);
    buffer[length] = L'\0';
    return static_cast<int>(length);
}

} // namespace tintora::platform
