// Parser of the stored-layout text into an object tree, and the writer that turns a tree back into text.
#include "framework/stored/LayoutText.h"

#include "framework/stored/LayoutError.h"
#include "framework/stored/LayoutLexer.h"
#include "framework/stored/LayoutMessages.h"

#include <charconv>
#include <strings.h>

namespace gl {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

class LayoutParser {
public:
    explicit LayoutParser(std::string_view text) : m_lex(text) {}

    std::unique_ptr<LayoutObject> ParseRoot() {
        auto root = ParseObject(1);
        if (Token().kind != LayoutTokenKind::EndOfText) Expected("end of text");
        return root;
    }

private:
    const LayoutToken& Token() const { return m_lex.Current(); }
    bool IsSymbol(char c) const { return Token().kind == LayoutTokenKind::Symbol && Token().symbol == c; }
    bool IsKeyword(std::string_view word) const {
        return Token().kind == LayoutTokenKind::Identifier && SameName(Token().text, word);
    }

    [[noreturn]] void Expected(std::string_view what) const {
        RaiseLayoutError(Token().line, msg::SLayoutExpected, {what, m_lex.Describe()});
    }

    void ExpectSymbol(char c) {
        if (!IsSymbol(c)) Expected(LayoutCharText(c));
        m_lex.Next();
    }

    std::string ExpectIdentifier(std::string_view what) {
        if (Token().kind != LayoutTokenKind::Identifier) Expected(what);
        std::string text = Token().text;
        m_lex.Next();
        return text;
    }

    void CountEntry() {
        if (++m_entries > kMaxLayoutEntries) RaiseLayoutError(Token().line, msg::SLayoutTooManyEntries);
    }

    // Name {"." Name}, as property paths and references to other components are written.
    std::string ParseDottedName(std::string_view what) {
        std::string path = ExpectIdentifier(what);
        while (IsSymbol('.')) {
            m_lex.Next();
            path += '.';
            path += ExpectIdentifier("name");
            if (path.size() > kMaxLayoutNameLength) RaiseLayoutError(Token().line, msg::SLayoutNameTooLong);
        }
        return path;
    }

    std::unique_ptr<LayoutObject> ParseObject(int depth) {
        if (depth > kMaxLayoutDepth) RaiseLayoutError(Token().line, msg::SLayoutTooDeep);
        if (!IsKeyword("object")) Expected("object");
        CountEntry();
        if (++m_objects > kMaxLayoutObjects) RaiseLayoutError(Token().line, msg::SLayoutTooManyEntries);
        auto object = std::make_unique<LayoutObject>();
        object->line = Token().line;
        m_lex.Next();
        std::string first = ExpectIdentifier("name");
        if (IsSymbol(':')) {
            m_lex.Next();
            object->name = std::move(first);
            object->className = ExpectIdentifier("class name");
        } else {
            object->className = std::move(first);
        }
        // Properties come first, then the children; "end" closes the object.
        while (Token().kind == LayoutTokenKind::Identifier && !IsKeyword("end") && !IsKeyword("object"))
            ParseProperty(*object);
        while (IsKeyword("object")) object->children.push_back(ParseObject(depth + 1));
        if (!IsKeyword("end")) Expected("end");
        m_lex.Next();
        return object;
    }

    void ParseProperty(LayoutObject& object) {
        CountEntry();
        LayoutProperty property;
        property.line = Token().line;
        property.path = ParseDottedName("property name");
        ExpectSymbol('=');
        property.value = ParseValue();
        object.properties.push_back(std::move(property));
    }

    LayoutValue ParseValue() {
        LayoutValue value;
        const LayoutToken& token = Token();
        switch (token.kind) {
        case LayoutTokenKind::Integer:
            value.kind = LayoutValueKind::Integer;
            value.integer = token.integer;
            m_lex.Next();
            return value;
        case LayoutTokenKind::Float:
            value.kind = LayoutValueKind::Float;
            value.real = token.real;
            m_lex.Next();
            return value;
        case LayoutTokenKind::String:
            value.kind = LayoutValueKind::String;
            value.text = ParseString();
            return value;
        case LayoutTokenKind::Identifier:
            // "end" or "object" here means the value was left out.
            if (IsKeyword("end") || IsKeyword("object")) Expected("property value");
            value.kind = LayoutValueKind::Identifier;
            value.text = ParseDottedName("value");
            return value;
        case LayoutTokenKind::Binary:
            value.kind = LayoutValueKind::Binary;
            value.bytes = token.bytes;
            m_lex.Next();
            return value;
        default:
            break;
        }
        if (IsSymbol('[')) return ParseSet();
        if (IsSymbol('(')) return ParseList();
        Expected("property value");
    }

    // A string, continued by "+" across lines: 'first line' + 'second'.
    std::string ParseString() {
        std::string text = Token().text;
        m_lex.Next();
        while (IsSymbol('+')) {
            m_lex.Next();
            if (Token().kind != LayoutTokenKind::String) Expected("string");
            if (text.size() + Token().text.size() > kMaxLayoutBytes)
                RaiseLayoutError(Token().line, msg::SLayoutTooLarge);
            text += Token().text;
            m_lex.Next();
        }
        return text;
    }

    LayoutValue ParseSet() {
        LayoutValue value;
        value.kind = LayoutValueKind::Set;
        m_lex.Next(); // '['
        if (!IsSymbol(']')) {
            for (;;) {
                CountEntry();
                value.items.push_back(ExpectIdentifier("set element"));
                if (!IsSymbol(',')) break;
                m_lex.Next();
            }
        }
        ExpectSymbol(']');
        return value;
    }

    LayoutValue ParseList() {
        LayoutValue value;
        value.kind = LayoutValueKind::List;
        m_lex.Next(); // '('
        while (Token().kind == LayoutTokenKind::String) {
            CountEntry();
            value.items.push_back(ParseString());
        }
        ExpectSymbol(')');
        return value;
    }

    LayoutLexer m_lex;
    std::size_t m_entries = 0;
    std::size_t m_objects = 0;
};

std::string QuotedText(std::string_view text) {
    // Control characters are written as codes so that a value never spans lines.
    std::string out;
    bool inQuotes = false;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 32) {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#' + std::to_string(byte);
            continue;
        }
        if (!inQuotes) out += '\'';
        inQuotes = true;
        out += c;
        if (c == '\'') out += '\'';
    }
    if (inQuotes) out += '\'';
    return out.empty() ? "''" : out;
}

std::string RealText(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    // Keep it a float when read back: "3" would come back as an integer.
    if (text.find_first_of(".eE") == std::string::npos) text += ".0";
    return text;
}

void WriteObject(std::string& out, const LayoutObject& object, int depth) {
    std::string indent(std::size_t(depth) * 2, ' ');
    out += indent + "object ";
    out += object.name.empty() ? object.className : object.name + ": " + object.className;
    out += '\n';
    for (const LayoutProperty& property : object.properties)
        out += indent + "  " + property.path + " = " + LayoutValueText(property.value) + '\n';
    for (const auto& child : object.children) WriteObject(out, *child, depth + 1);
    out += indent + "end\n";
}

} // namespace

std::unique_ptr<LayoutObject> ParseLayout(std::string_view text) {
    if (text.size() > kMaxLayoutBytes) RaiseLayoutError(1, msg::SLayoutTooLarge);
    return LayoutParser(text).ParseRoot();
}

const LayoutProperty* LayoutObject::FindProperty(std::string_view path) const {
    for (const LayoutProperty& property : properties)
        if (property.path == path) return &property;
    return nullptr;
}

const LayoutObject* LayoutObject::FindChild(std::string_view childName) const {
    for (const auto& child : children)
        if (SameName(child->name, childName)) return child.get();
    return nullptr;
}

std::string LayoutValueText(const LayoutValue& value) {
    std::string out;
    switch (value.kind) {
    case LayoutValueKind::Integer:
        return std::to_string(value.integer);
    case LayoutValueKind::Float:
        return RealText(value.real);
    case LayoutValueKind::String:
        return QuotedText(value.text);
    case LayoutValueKind::Identifier:
        return value.text;
    case LayoutValueKind::Set:
        out = "[";
        for (std::size_t i = 0; i < value.items.size(); ++i) out += (i ? ", " : "") + value.items[i];
        return out + "]";
    case LayoutValueKind::List:
        out = "(";
        for (const std::string& item : value.items) out += ' ' + QuotedText(item);
        return out + " )";
    case LayoutValueKind::Binary:
        out = "{";
        for (std::uint8_t byte : value.bytes) {
            out += "0123456789ABCDEF"[byte >> 4];
            out += "0123456789ABCDEF"[byte & 15];
        }
        return out + "}";
    }
    return out;
}

std::string WriteLayout(const LayoutObject& root) {
    std::string out;
    WriteObject(out, root, 0);
    return out;
}

bool operator==(const LayoutObject& a, const LayoutObject& b) {
    if (a.name != b.name || a.className != b.className || a.properties.size() != b.properties.size() ||
        a.children.size() != b.children.size())
        return false;
    for (std::size_t i = 0; i < a.properties.size(); ++i) {
        if (a.properties[i].path != b.properties[i].path || !(a.properties[i].value == b.properties[i].value))
            return false;
    }
    for (std::size_t i = 0; i < a.children.size(); ++i)
        if (!(*a.children[i] == *b.children[i])) return false;
    return true;
}

} // namespace gl
