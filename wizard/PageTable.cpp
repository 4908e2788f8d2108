#include "wizard/PageTable.h"

#include <map>

namespace Wizard {
namespace {

using S = Step;

PageStep Do(Step step)
{
    return {step, {}, 0};
}
PageStep Hide(std::vector<int> controls)
{
    return {S::Hide, std::move(controls), 0};
}
PageStep Show(std::vector<int> controls)
{
    return {S::Show, std::move(controls), 0};
}
PageStep SetPage(int page)
{
    return {S::SetPageNumber, {}, page};
}

std::vector<PageStep> WelcomePage()
{
    return {
        SetPage(PAGE_WELCOME),
        Do(S::EnableNext),
        Hide({1003, 1012, 1014, 1015, 1011, 1039, 1018, 1019, 1020, 1021, 1002, 1000, 1031, 1038,
              1035, 1036, 1037, 1006, 1007, 1041, 1040, 1045, 1044, 1244, 1245, 1242, 1243, 1253,
              1254, 1255, 1256, 1257, 1258, 1259, 1260}),
        Do(S::ShowLanguageButtons),
        Do(S::MembersToControls),
        Do(S::RedrawNow),
    };
}

const std::map<int, std::vector<PageStep>>& Pages()
{
    static const std::map<int, std::vector<PageStep>> pages = {
        {PAGE_WELCOME, WelcomePage()},
        {PAGE_WELCOME_AFTER_UPGRADE, WelcomePage()},
        {PAGE_DOWNLOAD,
         {
             SetPage(PAGE_DOWNLOAD),
             Do(S::AddDownloadBanners),
             Do(S::HideLanguageButtons),
             Do(S::DisableNext),
             Hide({1012, 1014, 1015, 1011, 1018, 1019, 1020, 1021, 1038, 1035, 1036, 1037, 1006,
                   1007, 1242, 1243, 1244, 1245, 1041, 1040, 1045, 1044}),
             Do(S::InvalidateErase),
             Do(S::MoveButtons),
             Show({1002, 1000, 1003, 1031, 1039}),
             Do(S::StartDownload),
         }},
        {PAGE_LICENCE,
         {
             Do(S::HideLanguageButtons),
             Do(S::EnableNext),
             Hide({1003, 1031, 1038, 1039, 1006, 1007, 1242, 1243, 1244, 1245, 1041, 1040, 1045,
                   1044}),
             SetPage(PAGE_LICENCE),
             Do(S::MoveButtons),
             Show({1018, 1019, 1020, 1021, 1035, 1036, 1037, 1014, 1015, 1011, 1012}),
             Do(S::UpdateDiskSpace),
             Do(S::InvalidateErase),
         }},
        {PAGE_INSTALL,
         {
             Do(S::ReplaceWithInstallBanners),
             Do(S::HideLanguageButtons),
             SetPage(PAGE_INSTALL),
             Do(S::DisableNext),
             Hide({1014, 1015, 1011, 1012, 1006, 1007, 1041, 1040, 1045, 1044, 1018, 1019, 1020,
                   1021, 1031, 1035, 1036, 1037, 1242, 1243, 1244, 1245}),
             Do(S::SaveInstallFolder),
             Do(S::InvalidateErase),
             Do(S::MoveButtons),
             Show({1003, 1039, 1038}),
             Do(S::ResetProgress),
             Do(S::StartInstallation),
         }},
        {PAGE_OPTIONS,
         {
             SetPage(PAGE_OPTIONS),
             Show({1253, 1254, 1255, 1256, 1257, 1258, 1259, 1260}),
             Hide({1006, 1007}),
             Do(S::EnableNext),
             Hide({1003, 1012, 1014, 1015, 1011, 1041, 1040, 1045, 1044, 1018, 1019, 1020, 1021,
                   1031, 1038, 1242, 1243, 1244, 1245, 1035, 1036, 1037, 1039}),
             Do(S::InvalidateErase),
         }},
        {PAGE_REGISTRATION,
         {
             SetPage(PAGE_REGISTRATION),
             Do(S::HideLanguageButtons),
             Do(S::EnableNext),
             Hide({1003, 1031, 1038, 1039, 1006, 1007, 1018, 1019, 1020, 1021, 1035, 1036, 1037,
                   1014, 1015, 1011, 1012, 1253, 1254, 1255, 1256, 1257, 1258, 1259, 1260}),
             Show({1041, 1040, 1045, 1244, 1245, 1242, 1243}),
             Do(S::MoveButtons),
             Do(S::FinishCaptions),
             Show({1044}),
             Do(S::FocusEmail),
             Do(S::InvalidateErase),
         }},
        {PAGE_FINISH, {Do(S::SendRegistrationAndFinish)}},
        {PAGE_ALREADY_INSTALLED,
         {
             SetPage(PAGE_ALREADY_INSTALLED),
             Do(S::HideLanguageButtons),
             Show({1006, 1007}),
             Do(S::EnableNext),
             Do(S::MoveButtons),
             Hide({1003, 1012, 1014, 1015, 1011, 1041, 1040, 1045, 1044, 1018, 1019, 1020, 1021,
                   1031, 1038, 1242, 1243, 1244, 1245, 1035, 1036, 1037, 1039, 1253, 1254, 1255,
                   1256, 1257, 1258, 1259, 1260}),
         }},
    };
    return pages;
}

} // namespace

std::span<const PageStep> StepsOfPage(int page)
{
    const auto& pages = Pages();
    const auto found = pages.find(page);
    if (found == pages.end())
        return {};
    return found->second;
}

} // namespace Wizard
