#pragma once

// A window that shows the texts of the language in force and wants to hear
// when it changes.
class IMultilanguage
{
public:
    // language: 1 to 5, or 0 for the manager's default language.
    virtual void Apply_Language(int language) = 0;

protected:
    // Listeners are never deleted through this interface.
    ~IMultilanguage() = default;
};
