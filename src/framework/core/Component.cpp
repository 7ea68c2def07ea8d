// Ownership, names and free notification of components.
#include "framework/core/Component.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/StringUtils.h"

#include <algorithm>

namespace gl {

bool IsValidIdent(std::string_view name) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !letter(name[0])) return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        RemoveFreeNotification(
            other); // unlink first, so a Notification that does not call the base still ends
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (m_owner) m_owner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError(Format(msg::SListIndexError, index));
    return m_components[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!m_owner) return -1;
    const auto& list = m_owner->m_components;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : m_components)
        if (SameText(component->m_name, name)) return component;
    return nullptr;
}

void TComponent::SetName(const std::string& name) {
    if (name == m_name) return;
    if (!name.empty() && !IsValidIdent(name)) throw EComponentError(Format(msg::SInvalidName, name));
    if (m_owner) m_owner->ValidateRename(this, m_name, name);
    m_name = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const {
    if (!component || newName.empty() || SameText(currentName, newName)) return;
    TComponent* other = FindComponent(newName);
    if (other && other != component) throw EComponentError(Format(msg::SDuplicateName, newName));
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component == this || component->m_owner == this) return;
    ValidateRename(component, std::string(), component->m_name);
    if (component->m_owner) component->m_owner->RemoveComponent(component);
    m_components.push_back(component);
    component->m_owner = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->m_owner != this) return;
    Notification(component, opRemove);
    Unlink(m_components, component);
    component->m_owner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!m_components.empty()) {
        TComponent* component = m_components.back();
        RemoveComponent(component);
        delete component;
    }
}

void TComponent::Destroying() {
    if (m_state.Contains(csDestroying)) return;
    m_state.Include(csDestroying);
    for (TComponent* component : m_components) component->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component) == m_freeNotifies.end())
        m_freeNotifies.push_back(component);
    if (std::find(component->m_freeNotifies.begin(), component->m_freeNotifies.end(), this) ==
        component->m_freeNotifies.end())
        component->m_freeNotifies.push_back(this);
    m_state.Include(csFreeNotification);
    component->m_state.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    Unlink(m_freeNotifies, component);
    Unlink(component->m_freeNotifies, this);
}

void TComponent::BeginLoading() {
    m_state.Include(csLoading);
    m_state.Include(csReading);
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
    if (designing)
        m_state.Include(csDesigning);
    else
        m_state.Exclude(csDesigning);
    if (setChildren)
        for (TComponent* component : m_components) component->SetDesigning(designing, true);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // Owned components may leave the list while they are told, so walk down with a bound check.
    for (std::size_t i = m_components.size(); i-- > 0;) {
        if (i >= m_components.size()) {
            if (m_components.empty()) break;
            i = m_components.size() - 1;
        }
        m_components[i]->Notification(component, operation);
    }
}

void TComponent::Unlink(std::vector<TComponent*>& list, TComponent* component) {
    list.erase(std::remove(list.begin(), list.end(), component), list.end());
}

} // namespace gl
