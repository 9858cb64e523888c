// Components: objects with an owner that frees them. Destroying a component
// destroys everything it owns, last created first; a component destroyed on
// its own leaves its owner's list.
#pragma once
#include <string>
#include <vector>
#include "toolkit/types.h"

namespace vd {

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_[index]; }
    TComponent* FindComponent(const std::string& name) const;

    // Frees every owned component now (last created first).
    void DestroyComponents();
    // Moves a component to another owner (nullptr: no owner).
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    bool Destroying() const { return destroying_; }

protected:
    // Called on the owner when a component it owns is being destroyed.
    virtual void Notification(TComponent* /*c*/) {}
    // Set by subclasses at the very start of their destructor.
    void MarkDestroying() { destroying_ = true; }

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    bool destroying_ = false;
};

}  // namespace vd
