// Creating a form's components from its stored layout: each object of the tree becomes a component of its
// class, owned by the root and placed in the enclosing control, its properties set in stored order while it
// is loading; references are resolved once the whole tree is read, then every component's end-of-loading step
// runs.
#pragma once

#include "framework/stored/LayoutText.h"
#include "framework/stored/PropertyRegistry.h"

#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gl {

// The handlers a layout may name for its events, by name: "RzBitBtn4Click" → the form's handler. Each is held
// as the event type of the events it is meant for (TNotifyEvent for clicks and changes).
class LayoutMethods {
public:
    template <class Event> LayoutMethods& Add(std::string name, Event handler) {
        m_methods[std::move(name)] = std::any(std::move(handler));
        return *this;
    }
    const std::any* Find(std::string_view name) const;

private:
    std::map<std::string, std::any, NoCaseLess> m_methods;
};

// What a property setter may ask of the reader while a layout is read.
class LayoutReadContext {
public:
    LayoutReadContext(TComponent& root, const LayoutMethods& methods, const PropertyRegistry& registry);

    TComponent& Root() const { return m_root; }
    const PropertyRegistry& Registry() const { return m_registry; }
    int Line() const { return m_line; }

    // Raises EReadError "Line n: Invalid value v for property p" for the property being read.
    [[noreturn]] void InvalidValue(const LayoutValue& value) const;
    // Raises EReadError with the line of the property being read.
    [[noreturn]] void Fail(std::string_view message) const;

    const std::any* FindMethod(std::string_view name) const { return m_methods.Find(name); }
    // The root itself when the name is the root's, else the component of that name the root owns, else null.
    TComponent* FindComponent(std::string_view name) const;

    // Runs `fixup` after the whole tree has been read (references to components stored further down), in the
    // order added, with the line of the property that added it.
    void AddFixup(std::function<void()> fixup);

    // Used by the reader.
    void SetPosition(int line, std::string objectName, std::string path);
    void RunFixups();

private:
    struct Fixup {
        int line;
        std::string objectName;
        std::string path;
        std::function<void()> run;
    };

    TComponent& m_root;
    const LayoutMethods& m_methods;
    const PropertyRegistry& m_registry;
    int m_line = 0;
    std::string m_objectName;
    std::string m_path;
    std::vector<Fixup> m_fixups;
};

// Reads a layout into `root`, an existing component of the top object's class: the root's own properties,
// then its components. Raises EReadError naming the line on any fault; the components made so far are freed
// then.
void ReadLayout(TComponent& root, std::string_view text, const LayoutMethods& methods = {},
                const PropertyRegistry& registry = PropertyRegistry::Global());
void ReadLayout(TComponent& root, const LayoutObject& tree, const LayoutMethods& methods = {},
                const PropertyRegistry& registry = PropertyRegistry::Global());

// Registers the stored properties of the framework's base classes (TPersistent, TComponent: Tag). Safe to
// call more than once.
void RegisterComponentLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
