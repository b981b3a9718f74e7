#include <gtest/gtest.h>

#include "platform/serial/LineSettings.h"

using platform::LineSettings;

TEST(LineSettings, ReadsTheFourParts) {
  const auto settings = LineSettings::parse("1200,N,8,1");
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->baudRate, 1200);
  EXPECT_EQ(settings->parity, LineSettings::Parity::None);
  EXPECT_EQ(settings->dataBits, 8);
  EXPECT_EQ(settings->stopBits, LineSettings::StopBits::One);
  EXPECT_EQ(settings->toString(), "1200,N,8,1");

  const auto other = LineSettings::parse(" 4800 , e , 7 , 1.5 ");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->toString(), "4800,E,7,1.5");
}

TEST(LineSettings, RejectsMalformedText) {
  for (const char* text : {"", "9600", "9600,N,8", "9600,N,8,1,0", "x,N,8,1", "-9600,N,8,1", "0,N,8,1",
                           "9600,Q,8,1", "9600,N,9,1", "9600,N,4,1", "9600,N,8,3", "9600,NN,8,1", "96 00,N,8,1",
                           "99999999,N,8,1"})
    EXPECT_FALSE(LineSettings::parse(text)) << text;
}
