#include "setup/PackageKind.h"

#include "framework/File.h"

PackageKind ClassifyPackage(const std::wstring& path)
{
    PackageKind kind = PackageKind::OtherInstaller;
    CFile file;
    if (file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
        unsigned char signature[2] = {};
        if (file.SeekToBegin() && file.Read(signature, 2) == 2 && signature[0] == 0xD0
            && signature[1] == 0xCF)
            kind = PackageKind::WindowsInstaller;
        file.Close();
    }
    if (HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
        if (::FindResourceW(module, MAKEINTRESOURCEW(129), L"MSI"))
            kind = PackageKind::PackageCarrier;
        ::FreeLibrary(module);
    }
    return kind;
}
