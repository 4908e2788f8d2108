#include "app/AdminCheck.h"

#include "framework/UniqueHandle.h"

namespace {

class ScopedGlobal
{
public:
    explicit ScopedGlobal(SIZE_T size) : m_memory(::GlobalAlloc(GMEM_FIXED, size)) {}
    ~ScopedGlobal()
    {
        if (m_memory)
            ::GlobalFree(m_memory);
    }
    ScopedGlobal(const ScopedGlobal&) = delete;
    ScopedGlobal& operator=(const ScopedGlobal&) = delete;
    void* Get() const { return m_memory; }

private:
    HGLOBAL m_memory;
};

class ScopedSid
{
public:
    ScopedSid() = default;
    ~ScopedSid()
    {
        if (m_sid)
            ::FreeSid(m_sid);
    }
    ScopedSid(const ScopedSid&) = delete;
    ScopedSid& operator=(const ScopedSid&) = delete;
    PSID* Receive() { return &m_sid; }
    PSID Get() const { return m_sid; }

private:
    PSID m_sid = nullptr;
};

} // namespace

bool TokenListsAdministrators(HANDLE token)
{
    DWORD needed = 0;
    if (::GetTokenInformation(token, TokenGroups, nullptr, 0, &needed)
        || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return false;

    ScopedGlobal buffer(needed);
    if (!buffer.Get() || !::GetTokenInformation(token, TokenGroups, buffer.Get(), needed, &needed))
        return false;

    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    ScopedSid administrators;
    if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                    DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                    administrators.Receive()))
        return false;

    const auto* groups = static_cast<const TOKEN_GROUPS*>(buffer.Get());
    for (DWORD i = 0; i < groups->GroupCount; ++i) {
        if (::EqualSid(groups->Groups[i].Sid, administrators.Get()))
            return true;
    }
    return false;
}

bool IsUserAdmin()
{
    UniqueHandle token;
    if (!::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, token.Receive())) {
        if (::GetLastError() != ERROR_NO_TOKEN
            || !::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
            return false;
    }
    return TokenListsAdministrators(token.Get());
}
