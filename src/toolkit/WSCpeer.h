#pragma once

#include <string_view>

// A backend's on-screen counterpart of one widget. The core tells it what changed in the
// widget's table; it never reports a change back as an event.
class WSCpeer {
  public:
    virtual ~WSCpeer() = default;
    virtual void propertyChanged(std::string_view name) = 0;
    virtual void visibilityChanged(bool visible) = 0;
    // The widget's window device holds a new picture.
    virtual void pictureChanged() = 0;
};
