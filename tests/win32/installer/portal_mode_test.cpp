#include "installer/portal_mode.h"
#include "installer/portal_resources.h"

#include <gtest/gtest.h>

namespace {

TEST(PortalMode, ShippedPairKeepsTheBuiltInPortal) {
  const vd::TPortalMode m = vd::DecidePortalMode("default", vd::kBuiltInPortalHost);
  EXPECT_FALSE(m.customPortal);
  EXPECT_EQ(m.portalHost, "");
}

TEST(PortalMode, AnyOtherEntryOneSwitchesPortalModeOnWithEntryTwoAsHost) {
  for (const char* entry1 : {"Default", "DEFAULT", "default ", " default", "", "portal", "defaul"}) {
    const vd::TPortalMode m = vd::DecidePortalMode(entry1, vd::kBuiltInPortalHost);
    EXPECT_TRUE(m.customPortal) << '"' << entry1 << '"';
    EXPECT_EQ(m.portalHost, vd::kBuiltInPortalHost) << '"' << entry1 << '"';
  }
}

TEST(PortalMode, OtherHostSwitchesPortalModeOn) {
  vd::TPortalMode m = vd::DecidePortalMode("default", "www.example.cn");
  EXPECT_TRUE(m.customPortal);
  EXPECT_EQ(m.portalHost, "www.example.cn");
  m = vd::DecidePortalMode("default", "WWW.VADODE.COM");  // bytes, not case-folded
  EXPECT_TRUE(m.customPortal);
  EXPECT_EQ(m.portalHost, "WWW.VADODE.COM");
  m = vd::DecidePortalMode("default", "");
  EXPECT_TRUE(m.customPortal);
  EXPECT_EQ(m.portalHost, "");
}

TEST(PortalMode, StringTableOfTheModuleIsRead) {
  EXPECT_EQ(vd::ReadStringResource(1), "default");
  EXPECT_EQ(vd::ReadStringResource(2), "www.vadode.com");
  EXPECT_EQ(vd::ReadStringResource(3), "门户网址");
  EXPECT_EQ(vd::ReadStringResource(9), "");
  const vd::TPortalMode m = vd::ReadPortalMode();
  EXPECT_FALSE(m.customPortal);
  EXPECT_EQ(m.portalHost, "");
}

}  // namespace
