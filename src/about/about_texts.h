#pragma once
// What the About window says, the same on both targets.

namespace aboutText {

inline constexpr const char *title = "Vorlune Screensaver";

/// The maker's notice: rights, where to find the maker, how to reach them. Lines end in CR LF, as
/// a Windows static control wants them.
inline constexpr const char *notice = "Copyright (C) Vorlune. All rights reserved.\r\n"
                                      "More screensavers at https://vorlune.example/\r\n"
                                      "Contact: hello@vorlune.example";

/// The maker's web page that "Visit website" opens.
inline constexpr const char *webPage = "https://vorlune.example/";

/// Appended to the web page when the button opens it, so the maker can tell where visits come from.
inline constexpr const char *webPageQuery = "?utm_source=About";

} // namespace aboutText
