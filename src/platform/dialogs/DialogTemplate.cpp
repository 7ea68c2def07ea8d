// Dialog units, the reader of binary dialog templates, and the named templates of the program's module.
#include "platform/dialogs/DialogTemplate.h"

#include "platform/system/CodePage.h"
#include "platform/system/LastError.h"
#include "platform/user/Input.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

namespace win {

namespace {

// n * multiplier / divisor rounded to the nearest integer, halves away from zero.
int ScaleRounded(int n, int multiplier, int divisor) {
    const long long product = static_cast<long long>(n) * multiplier;
    const long long half = divisor / 2;
    const long long q = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    return static_cast<int>(std::clamp<long long>(q, -32768, 32767));
}

// Reads little-endian values and strings from a template, never past its end.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Word(WORD& out) {
        if (m_size - m_pos < 2 || m_pos > m_size) return false;
        out = static_cast<WORD>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool Dword(DWORD& out) {
        WORD lo = 0, hi = 0;
        if (!Word(lo) || !Word(hi)) return false;
        out = static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16);
        return true;
    }
    bool Short(int& out) {
        WORD w = 0;
        if (!Word(w)) return false;
        out = static_cast<SHORT>(w);
        return true;
    }
    // A UTF-16 string ending in a zero unit.
    bool String(std::string& out) {
        std::u16string units;
        for (WORD w = 0;;) {
            if (!Word(w)) return false;
            if (w == 0) break;
            units.push_back(static_cast<char16_t>(w));
        }
        out = Utf16ToUtf8(units);
        return true;
    }
    // A string or an ordinal (0xFFFF followed by a number); 0x0000 alone is an empty name.
    bool StringOrOrdinal(std::string& text, WORD& ordinal) {
        ordinal = 0;
        text.clear();
        const std::size_t start = m_pos;
        WORD first = 0;
        if (!Word(first)) return false;
        if (first == 0xFFFF) return Word(ordinal);
        m_pos = start;
        return String(text);
    }
    bool Skip(std::size_t bytes) {
        if (bytes > m_size - m_pos) return false;
        m_pos += bytes;
        return true;
    }
    void AlignDword() { m_pos = std::min(m_size, (m_pos + 3) & ~std::size_t(3)); }

private:
    const BYTE* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

std::string PredefinedClass(WORD atom) {
    switch (atom) {
    case 0x80:
        return "BUTTON";
    case 0x81:
        return "EDIT";
    case 0x82:
        return "STATIC";
    case 0x83:
        return "LISTBOX";
    case 0x84:
        return "SCROLLBAR";
    case 0x85:
        return "COMBOBOX";
    default:
        return {};
    }
}

bool ReadHeader(TemplateReader& in, DialogTemplate& t, WORD& count) {
    std::string menu;
    WORD ordinal = 0;
    if (!in.Dword(t.style) || !in.Dword(t.exStyle) || !in.Word(count)) return false;
    if (!in.Short(t.x) || !in.Short(t.y) || !in.Short(t.cx) || !in.Short(t.cy)) return false;
    if (!in.StringOrOrdinal(menu, ordinal)) return false; // menus are not used by dialogs here
    if (!in.StringOrOrdinal(t.className, ordinal)) return false;
    if (ordinal) t.className.clear();
    if (!in.StringOrOrdinal(t.title, ordinal)) return false;
    if (t.style & DS_SETFONT) {
        if (!in.Word(t.pointSize) || !in.String(t.fontFace)) return false;
    }
    return true;
}

bool ReadItem(TemplateReader& in, DialogItemTemplate& item) {
    in.AlignDword();
    WORD classOrdinal = 0, textOrdinal = 0, extra = 0;
    if (!in.Dword(item.style) || !in.Dword(item.exStyle)) return false;
    if (!in.Short(item.x) || !in.Short(item.y) || !in.Short(item.cx) || !in.Short(item.cy)) return false;
    if (!in.Word(item.id)) return false;
    if (!in.StringOrOrdinal(item.className, classOrdinal)) return false;
    if (classOrdinal) {
        item.className = PredefinedClass(classOrdinal);
        if (item.className.empty()) return false;
    }
    if (!in.StringOrOrdinal(item.text, textOrdinal)) return false; // an ordinal names an image: no text
    return in.Word(extra) && in.Skip(extra);
}

// Resource names compare without case; integer ids become "#id".
std::string ResourceKey(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    std::string key(name);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

// The program has one module, so the instance does not take part in the key.
std::map<std::string, DialogTemplate>& NamedTemplates() {
    static std::map<std::string, DialogTemplate> templates;
    return templates;
}

} // namespace

int DialogUnitsToPixelsX(int du) {
    return ScaleRounded(du, kDialogBaseUnitX, 4);
}
int DialogUnitsToPixelsY(int du) {
    return ScaleRounded(du, kDialogBaseUnitY, 8);
}

bool DialogTemplateFromBytes(const void* data, std::size_t size, DialogTemplate* out) {
    if (!data || !out) return false;
    TemplateReader in(static_cast<const BYTE*>(data), size);
    DialogTemplate t;
    WORD count = 0;
    if (size >= 4) {
        const auto* bytes = static_cast<const BYTE*>(data);
        if (bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF && bytes[3] == 0xFF)
            return false; // extended form
    }
    if (!ReadHeader(in, t, count)) return false;
    t.items.resize(count);
    for (DialogItemTemplate& item : t.items)
        if (!ReadItem(in, item)) return false;
    *out = std::move(t);
    return true;
}

BOOL RegisterDialogTemplate(HINSTANCE, LPCSTR name, const DialogTemplate& dialogTemplate) {
    if (!name || (!IS_INTRESOURCE(name) && !*name)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    NamedTemplates()[ResourceKey(name)] = dialogTemplate;
    return TRUE;
}

const DialogTemplate* FindDialogTemplate(HINSTANCE, LPCSTR name) {
    if (!name) return nullptr;
    const auto& templates = NamedTemplates();
    const auto it = templates.find(ResourceKey(name));
    return it == templates.end() ? nullptr : &it->second;
}

} // namespace win
