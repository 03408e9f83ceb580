#pragma once
// A component that sees every message the application's loop takes from its
// queue, for as long as it exists.
#include <functional>

#include "ui/application.h"

class TApplicationEvents : public TComponent {
public:
    explicit TApplicationEvents(TComponent* owner);
    ~TApplicationEvents() override;
    const char* ClassName() const override { return "TApplicationEvents"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TApplicationEvents" || TComponent::InheritsFrom(cls);
    }

    // Return true to mark the message handled: it is not dispatched.
    std::function<bool(MSG&)> OnMessage;

private:
    int filter_ = 0;
};
