// The maker's colours and texts shown on the brand strips and panel.
#pragma once

#include "gui/widgets/brandpainting.h"

#include <QStringView>

inline constexpr TColor BrandColor = RGBColor(79, 116, 155);       // 0x009B744F
inline constexpr TColor BrandLightColor = RGBColor(239, 239, 239); // 0x00EFEFEF
inline constexpr TColor BrandFrameColor = RGBColor(169, 169, 169); // 0x00A9A9A9

inline constexpr QStringView BrandMakerName = u"Vorkel Software";
// Another program of the same maker, advertised on the clocks window's brand panel.
inline constexpr QStringView BrandProductName = u"Vorkel Planner";
// The maker's site lives on a reserved example domain, so no click ever
// reaches somebody else's server.
inline constexpr QStringView BrandHomePage = u"https://www.vorkel.example/";
inline constexpr QStringView BrandWebAddress = u"www.vorkel.example";
inline constexpr QStringView BrandFeedbackAddress = u"clocks@vorkel.example";
// Qt breaks label and tool-tip lines at a line feed, not at a carriage return.
inline constexpr QStringView BrandPanelCaption = u"Vorkel Planner\nwww.vorkel.example";
inline constexpr QStringView BrandStripHint =
    u"Vorkel Software - Vorkel Planner\nwww.vorkel.example";
