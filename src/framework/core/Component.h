// Components: named objects that belong to an owner, which frees them (the last inserted first) when it goes.
// A component that refers to another asks it for a free notification, and is then told through Notification
// before the other is destroyed, so that it can drop the reference.
#pragma once

#include "framework/core/Persistent.h"
#include "framework/core/Set.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gl {

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance,
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    // Inserts the new component into the owner's list (owner may be null).
    explicit TComponent(TComponent* owner);
    // Tells the components that asked for free notification, frees the owned components (last inserted first)
    // and leaves the owner's list.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    // The owned component at index; EListError "List index out of bounds (%d)" outside the list.
    TComponent* Components(int index) const;
    // This component's place in its owner's list, or -1 without an owner.
    int ComponentIndex() const;
    // The owned component with this name (without regard to case), or null.
    TComponent* FindComponent(std::string_view name) const;

    const std::string& Name() const { return m_name; }
    // A name is empty or an identifier, and unique among the owner's components (EComponentError otherwise).
    // Virtual so that a rename through any pointer (the layout reader's, say) keeps a subclass's own rule.
    virtual void SetName(const std::string& name);
    std::intptr_t Tag() const { return m_tag; }
    void SetTag(std::intptr_t tag) { m_tag = tag; }
    TComponentState ComponentState() const { return m_state; }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();
    // Marks this component and the ones it owns as being destroyed.
    void Destroying();

    // From now on `component` is told (through Notification with opRemove) before this component goes, and
    // this component is told before `component` goes.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // The stages of being read from a stored layout: loading and reading start together, reading ends after
    // the properties, and Loaded is the end-of-loading step that runs once every component has been read.
    void BeginLoading();
    void EndReading() { m_state.Exclude(csReading); }
    virtual void Loaded() { m_state.Exclude(csLoading); }
    void SetDesigning(bool designing, bool setChildren = true);
    void Updating() { m_state.Include(csUpdating); }
    void Updated() { m_state.Exclude(csUpdating); }

protected:
    // Called when `component` is inserted into or removed from the owner's list, and (with opRemove) when a
    // component this one asked for free notification is destroyed. The base drops that component from the
    // notification lists and passes the call on to every owned component. While a component is being
    // destroyed only its address may be compared: it is no longer whole.
    virtual void Notification(TComponent* component, TOperation operation);
    // Raises EComponentError when another owned component already has the new name.
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const;

private:
    static void Unlink(std::vector<TComponent*>& list, TComponent* component);

    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
    std::string m_name;
    std::intptr_t m_tag = 0;
    TComponentState m_state;
};

// True for a non-empty identifier: a letter or "_", then letters, digits or "_".
bool IsValidIdent(std::string_view name);

} // namespace gl
