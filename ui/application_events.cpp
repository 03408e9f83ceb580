#include "ui/application_events.h"

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner)
{
    if (TApplication* app = Application())
        filter_ = app->AddMessageFilter([this](MSG& msg) { return OnMessage && OnMessage(msg); });
}

TApplicationEvents::~TApplicationEvents()
{
    if (TApplication* app = Application(); app && filter_)
        app->RemoveMessageFilter(filter_);
}
