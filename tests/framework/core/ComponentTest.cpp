// Components: ownership, free notification, names and loading state; the persistent base rule.
#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gl {
namespace {

// Records its destruction in a shared log, and drops its reference to another component when told.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string label, std::vector<std::string>* log)
        : TComponent(owner), m_label(std::move(label)), m_log(log) {}
    ~TProbe() override { m_log->push_back("free " + m_label); }
    std::string ClassName() const override { return "TProbe"; }

    TComponent* Partner() const { return m_partner; }
    void SetPartner(TComponent* partner) {
        if (partner == m_partner) return;
        if (m_partner) m_partner->RemoveFreeNotification(this);
        m_partner = partner;
        if (partner) partner->FreeNotification(this);
    }
    void Loaded() override {
        TComponent::Loaded();
        m_log->push_back("loaded " + m_label);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == m_partner) {
            m_partner = nullptr;
            m_log->push_back(m_label + " lost its partner");
        }
    }

private:
    std::string m_label;
    std::vector<std::string>* m_log;
    TComponent* m_partner = nullptr;
};

TEST(Component, AnOwnerFreesWhatItOwnsLastInsertedFirst) {
    std::vector<std::string> log;
    auto* form = new TProbe(nullptr, "form", &log);
    auto* a = new TProbe(form, "a", &log);
    new TProbe(a, "a1", &log);
    new TProbe(form, "b", &log);
    EXPECT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(form->Components(0), a);
    EXPECT_EQ(a->Owner(), form);
    EXPECT_THROW(form->Components(2), EListError);

    delete form;
    EXPECT_EQ(log, (std::vector<std::string>{"free form", "free b", "free a", "free a1"}));
}

TEST(Component, AComponentIsToldWhenTheOneItRefersToGoes) {
    std::vector<std::string> log;
    TProbe other(nullptr, "images", &log); // owned elsewhere: only free notification can tell
    auto* form = new TProbe(nullptr, "form", &log);
    auto* button = new TProbe(form, "button", &log);
    auto* sibling = new TProbe(form, "sibling", &log);
    button->SetPartner(sibling);
    sibling->SetPartner(&other);

    delete sibling;
    EXPECT_EQ(button->Partner(), nullptr);
    EXPECT_EQ(form->ComponentCount(), 1) << "a component freed on its own leaves its owner's list";

    button->SetPartner(&other);
    button->SetPartner(nullptr); // and it no longer asks to be told
    log.clear();
    delete form;
    EXPECT_EQ(log, (std::vector<std::string>{"free form", "free button"}));
}

TEST(Component, FreeNotificationWorksAcrossOwnersAndBothWays) {
    std::vector<std::string> log;
    auto* left = new TProbe(nullptr, "left", &log);
    auto* right = new TProbe(nullptr, "right", &log);
    left->SetPartner(right);
    right->SetPartner(left);
    delete left;
    EXPECT_EQ(right->Partner(), nullptr);
    delete right; // must not touch the freed one
    EXPECT_EQ(log, (std::vector<std::string>{"free left", "right lost its partner", "free right"}));
}

TEST(Component, NamesAreIdentifiersAndUniqueWithinTheOwner) {
    TComponent form(nullptr);
    auto* edit = new TComponent(&form);
    auto* memo = new TComponent(&form);
    edit->SetName("RzEdit1");
    memo->SetName("RzMemo1");
    EXPECT_EQ(form.FindComponent("rzedit1"), edit);
    EXPECT_THROW(memo->SetName("RZEDIT1"), EComponentError);
    EXPECT_EQ(memo->Name(), "RzMemo1") << "a refused name changes nothing";
    try {
        memo->SetName("1Edit");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "'1Edit' is not a valid component name");
    }
    try {
        memo->SetName("RzEdit1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named RzEdit1 already exists");
    }
    edit->SetName("rzEDIT1"); // a change of case only
    EXPECT_EQ(edit->Name(), "rzEDIT1");
    memo->SetTag(42);
    EXPECT_EQ(memo->Tag(), 42);
    EXPECT_EQ(memo->ComponentIndex(), 1);
}

TEST(Component, LoadingStateAndTheEndOfLoadingStep) {
    std::vector<std::string> log;
    TProbe form(nullptr, "form", &log);
    auto* child = new TProbe(&form, "child", &log);
    form.BeginLoading();
    child->BeginLoading();
    EXPECT_TRUE(child->ComponentState().Contains(csLoading));
    EXPECT_TRUE(child->ComponentState().Contains(csReading));
    child->EndReading();
    EXPECT_FALSE(child->ComponentState().Contains(csReading));
    EXPECT_TRUE(child->ComponentState().Contains(csLoading));
    form.Loaded();
    child->Loaded();
    EXPECT_FALSE(child->ComponentState().Contains(csLoading));
    EXPECT_EQ(log, (std::vector<std::string>{"loaded form", "loaded child"}));
    form.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
}

// A class that can give itself to a TTarget, and a target that knows nothing of other sources.
class TTarget : public TPersistent {
public:
    std::string ClassName() const override { return "TTarget"; }
    int value = 0;
};
class TSource : public TPersistent {
public:
    std::string ClassName() const override { return "TSource"; }

protected:
    void AssignTo(TPersistent* destination) const override {
        if (auto* target = dynamic_cast<TTarget*>(destination))
            target->value = 7;
        else
            TPersistent::AssignTo(destination);
    }
};

TEST(Persistent, AssignAsksTheSourceAndNamesBothClassesWhenItCannot) {
    TTarget target;
    TSource source;
    target.Assign(&source);
    EXPECT_EQ(target.value, 7) << "the source assigned itself";

    auto message = [](auto&& call) {
        try {
            call();
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { target.Assign(nullptr); }), "Cannot assign a nil to a TTarget");
    EXPECT_EQ(message([&] { source.Assign(&target); }), "Cannot assign a TTarget to a TSource");
    TComponent component(nullptr);
    EXPECT_EQ(message([&] { component.Assign(&component); }), "Cannot assign a TComponent to a TComponent");
    EXPECT_TRUE(source.ClassNameIs("tsource"));
    EXPECT_TRUE(component.InheritsFrom<TPersistent>());
}

} // namespace
} // namespace gl
