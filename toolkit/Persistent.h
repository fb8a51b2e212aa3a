#pragma once

// An object whose values go into a form definition: beside its published
// properties it may store values it reads and writes itself, and it may leave
// some published properties out when they hold nothing worth storing.

class Filer;

class Persistent
{
public:
    virtual ~Persistent() = default;

    // Stored values that are not published properties.
    virtual void defineProperties(Filer &) {}
    // Whether the writer stores the published property `name` now.
    virtual bool storesProperty(const char *) const { return true; }
};
