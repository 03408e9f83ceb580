// Which class paints which kind: the one place that knows every painter.
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_child_controls.h"

namespace {

template <class T>
TSkinControl* New(TComponent* owner, std::unique_ptr<TSkinControl>* unowned)
{
    if (owner)
        return owner->Make<T>();
    auto made = std::make_unique<T>(nullptr);
    T* raw = made.get();
    if (!unowned)
        return nullptr;
    *unowned = std::move(made);
    return raw;
}

} // namespace

TSkinControl* MakeSkinner(TSkinnerClass cls, int mode, TComponent* owner, std::unique_ptr<TSkinControl>* unowned)
{
    (void)mode;
    switch (cls) {
    case TSkinnerClass::Button:
        return New<TSkinButton>(owner, unowned);
    default:
        return nullptr;
    }
}
