#pragma once

// The language subsystem's failure: a code and the place that raised it.
// Thrown by value; it signals inconsistent constant tables or ids.
class AException
{
public:
    AException(int code, const wchar_t* location) : m_nCode(code), m_pszLocation(location) {}

    int Get_Code() const { return m_nCode; }
    const wchar_t* Get_Location() const { return m_pszLocation; }

private:
    int m_nCode;
    const wchar_t* m_pszLocation;
};
