// Gives the Wine prefix it runs in the classic desktop scheme as its system colours, for the
// session (SetSysColors) and for programs started later (HKCU\Control Panel\Colors), so that
// the Windows window's pictures can be compared with the others'.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "form/classic_palette.h"

int main() {
  HKEY colours = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &colours, nullptr) != ERROR_SUCCESS) {
    std::fprintf(stderr, "classic_colours: cannot open HKCU\\Control Panel\\Colors\n");
    return 1;
  }
  std::vector<int> elements;
  std::vector<COLORREF> values;
  bool written = true;
  for (const vortalin::form::ClassicColour& entry : vortalin::form::classicColours) {
    elements.push_back(static_cast<int>(entry.index));
    values.push_back(RGB(entry.rgb.red, entry.rgb.green, entry.rgb.blue));
    const std::wstring name(entry.registryName.begin(), entry.registryName.end());
    const std::wstring value = std::to_wstring(entry.rgb.red) + L" " +
                               std::to_wstring(entry.rgb.green) + L" " +
                               std::to_wstring(entry.rgb.blue);
    written &= RegSetValueExW(colours, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
  }
  RegCloseKey(colours);
  if (!written || !SetSysColors(static_cast<int>(elements.size()), elements.data(),
                                values.data())) {
    std::fprintf(stderr, "classic_colours: the scheme could not be set\n");
    return 1;
  }
  return 0;
}
