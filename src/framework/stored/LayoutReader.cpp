// Creating a form's components from its stored layout.
#include "framework/stored/LayoutReader.h"

#include "framework/core/Component.h"
#include "framework/core/FlagScope.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/StringList.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutError.h"
#include "framework/stored/LayoutMessages.h"

namespace gl {

namespace {

// Values are quoted in messages only so far: a long string or byte block would bury the message.
std::string ShortValueText(const LayoutValue& value) {
    std::string text = LayoutValueText(value);
    if (text.size() > 40) text = text.substr(0, 37) + "...";
    return text;
}

std::string ObjectTitle(const LayoutObject& object) {
    return object.name.empty() ? object.className : object.name;
}

// The framework's own errors met while reading (a duplicate name, a value a setter refuses) keep their class
// but get the line and the property in front of their text.
template <class Step>
void WithPosition(int line, std::string_view objectTitle, std::string_view path, Step step) {
    try {
        step();
    } catch (ELayoutError&) {
        throw;
    } catch (Exception& e) {
        e.SetMessage(Format(msg::SLayoutLine,
                            {line, Format(msg::SLayoutPropertyError, {objectTitle, path, e.Message()})}));
        throw;
    }
}

class LayoutReader {
public:
    LayoutReader(TComponent& root, const LayoutMethods& methods, const PropertyRegistry& registry)
        : m_root(root), m_registry(registry), m_context(root, methods, registry) {}

    void Read(const LayoutObject& tree) {
        if (!root().ClassNameIs(tree.className))
            RaiseLayoutError(tree.line, msg::SLayoutWrongRoot, {tree.className, root().ClassName()});
        // A layout that fails part-way leaves nothing of itself behind.
        ScopeExit discard([this] { Discard(); });
        root().BeginLoading();
        SetName(root(), tree);
        ReadProperties(root(), tree);
        root().EndReading();
        for (const auto& child : tree.children) ReadComponent(*child, root());
        m_context.RunFixups();
        discard.Dismiss();
        // The end-of-loading steps run once everything exists, root first, then in creation order.
        root().Loaded();
        for (TComponent* component : m_created) component->Loaded();
    }

private:
    TComponent& root() const { return m_root; }

    void ReadComponent(const LayoutObject& object, TComponent& enclosing) {
        const LayoutFactory* create = m_registry.FindFactory(object.className);
        if (!create) RaiseLayoutError(object.line, msg::SClassNotFound, {object.className});
        TComponent* component = nullptr;
        Guarded(object, object.className, object.line, [&] { component = (*create)(&root()); });
        if (!component) RaiseLayoutError(object.line, msg::SClassNotFound, {object.className});
        m_created.push_back(component);
        component->BeginLoading();
        SetName(*component, object);
        if (const LayoutParentHook* setParent = m_registry.FindParentHook(object.className)) {
            Guarded(object, "Parent", object.line, [&] { (*setParent)(*component, enclosing); });
        }
        ReadProperties(*component, object);
        component->EndReading();
        for (const auto& child : object.children) ReadComponent(*child, *component);
    }

    void SetName(TComponent& component, const LayoutObject& object) {
        if (!object.name.empty())
            Guarded(object, "Name", object.line, [&] { component.SetName(object.name); });
    }

    void ReadProperties(TComponent& component, const LayoutObject& object) {
        for (const LayoutProperty& property : object.properties) {
            m_context.SetPosition(property.line, ObjectTitle(object), property.path);
            Guarded(object, property.path, property.line, [&] { SetProperty(component, property); });
        }
    }

    // Walks a dotted path through sub-objects ("Font.Name"), then sets the last name's value.
    void SetProperty(TPersistent& component, const LayoutProperty& property) {
        TPersistent* target = &component;
        std::string_view path = property.path;
        for (;;) {
            std::size_t dot = path.find('.');
            std::string_view name = path.substr(0, dot);
            std::string className = target->ClassName();
            const LayoutPropertyEntry* entry = m_registry.FindProperty(className, name);
            if (!entry) RaiseLayoutError(property.line, msg::SLayoutUnknownProperty, {name, className});
            if (dot == std::string_view::npos) {
                if (!entry->set) m_context.InvalidValue(property.value);
                entry->set(*target, property.value, m_context);
                return;
            }
            if (!entry->subObject)
                RaiseLayoutError(property.line, msg::SLayoutUnknownProperty, {path, className});
            target = entry->subObject(*target);
            if (!target) m_context.InvalidValue(property.value);
            path = path.substr(dot + 1);
        }
    }

    template <class Step>
    void Guarded(const LayoutObject& object, std::string_view path, int line, Step step) {
        WithPosition(line, ObjectTitle(object), path, step);
    }

    void Discard() {
        // Freed last made first, so children go before the controls that hold them.
        while (!m_created.empty()) {
            delete m_created.back();
            m_created.pop_back();
        }
        root().EndReading();
    }

    TComponent& m_root;
    const PropertyRegistry& m_registry;
    LayoutReadContext m_context;
    std::vector<TComponent*> m_created;
};

} // namespace

bool layout_detail::LayoutBoolean(const LayoutValue& value, bool& result) {
    if (value.kind != LayoutValueKind::Identifier) return false;
    if (SameText(value.text, "True")) return result = true;
    if (SameText(value.text, "False")) return !(result = false);
    return false;
}

const std::any* LayoutMethods::Find(std::string_view name) const {
    auto it = m_methods.find(name);
    return it == m_methods.end() ? nullptr : &it->second;
}

LayoutReadContext::LayoutReadContext(TComponent& root, const LayoutMethods& methods,
                                     const PropertyRegistry& registry)
    : m_root(root), m_methods(methods), m_registry(registry) {}

void LayoutReadContext::InvalidValue(const LayoutValue& value) const {
    RaiseLayoutError(m_line, msg::SLayoutInvalidValue, {ShortValueText(value), m_objectName + "." + m_path});
}

void LayoutReadContext::Fail(std::string_view message) const {
    RaiseLayoutError(m_line, "%s", {message});
}

TComponent* LayoutReadContext::FindComponent(std::string_view name) const {
    if (!m_root.Name().empty() && SameText(m_root.Name(), name)) return &m_root;
    return m_root.FindComponent(name);
}

void LayoutReadContext::AddFixup(std::function<void()> fixup) {
    m_fixups.push_back({m_line, m_objectName, m_path, std::move(fixup)});
}

void LayoutReadContext::SetPosition(int line, std::string objectName, std::string path) {
    m_line = line;
    m_objectName = std::move(objectName);
    m_path = std::move(path);
}

void LayoutReadContext::RunFixups() {
    for (Fixup& fixup : m_fixups) {
        SetPosition(fixup.line, fixup.objectName, fixup.path);
        WithPosition(fixup.line, fixup.objectName, fixup.path, fixup.run);
    }
    m_fixups.clear();
}

void ReadLayout(TComponent& root, std::string_view text, const LayoutMethods& methods,
                const PropertyRegistry& registry) {
    auto tree = ParseLayout(text);
    ReadLayout(root, *tree, methods, registry);
}

void ReadLayout(TComponent& root, const LayoutObject& tree, const LayoutMethods& methods,
                const PropertyRegistry& registry) {
    LayoutReader(root, methods, registry).Read(tree);
}

} // namespace gl
