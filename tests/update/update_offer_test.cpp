#include "update/update_offer.h"

#include <gtest/gtest.h>

#include "support/loopback_server.h"
#include "update/check_number.h"
#include "update/download.h"

namespace cw::update {
namespace {

TEST(DownloadTest, OnlyHttpsOrLoopbackHttp) {
  const struct {
    const char* url;
    bool allowed;
  } kCases[] = {
      {"https://updates.example.org/Update/Coinwright/Update.inf", true},
      {"http://127.0.0.1:8080/Update.inf", true},
      {"http://127.1.2.3/Update.inf", true},
      {"http://LOCALHOST/Update.inf", true},
      {"http://[::1]:8080/Update.inf", true},
      {"http://updates.example.org/Update.inf", false},
      {"http://127.0.0.1.example.org/Update.inf", false},
      {"http://10.0.0.1/Update.inf", false},
      {"ftp://127.0.0.1/Update.inf", false},
      {"file:///etc/passwd", false},
      {"not a url", false},
      {"", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(c.allowed, IsAllowedUpdateUrl(c.url));
  }
  EXPECT_EQ("http://h/Update/Config/Notes.xml", UrlInFolder("http://h/Update", "Config\\Notes.xml"));
  EXPECT_EQ("http://h/Update/Update.inf", UrlInFolder("http://h/Update/", "Update.inf"));
}

TEST(DownloadTest, ReportsProgressAndStopsWhenAsked) {
  const std::string body(200000, 'x');
  testing::LoopbackServer server({{"/big", body}});
  std::uint64_t lastReceived = 0, lastTotal = 0;
  const auto whole = Download(server.url() + "/big", [&](std::uint64_t received, std::uint64_t total) {
    lastReceived = received;
    lastTotal = total;
    return true;
  });
  ASSERT_TRUE(whole);
  EXPECT_EQ(body, *whole);
  EXPECT_EQ(body.size(), lastReceived);
  EXPECT_EQ(body.size(), lastTotal);
  EXPECT_FALSE(Download(server.url() + "/big", [](std::uint64_t, std::uint64_t) { return false; }));
  EXPECT_FALSE(Download(server.url() + "/missing"));
}

class UpdateOfferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const KeyPairText keys = GenerateKeyPair();
    key_ = *ParsePublicKey(keys.publicKey);
    secret_ = *ParseSecretKey(keys.secretKey);
    info_ = "[Version=3.41][Date=2026-12-10][Description=新版本]\n[File=bin\\patchwell,CheckNumber=" +
            std::to_string(CheckNumber("new")) + "]\n";
    signature_ = SignUpdate(info_, {{"bin\\patchwell", Sha256Hex("new")}}, secret_);
  }
  PublicKey key_{};
  SecretKey secret_{};
  std::string info_;
  std::string signature_;
  VerifiedUpdate offer_;
};

TEST_F(UpdateOfferTest, SignedOfferIsFetched) {
  testing::LoopbackServer server({{"/Update/Update.inf", info_}, {"/Update/Update.inf.sig", signature_}});
  ASSERT_EQ(UpdateResult::kOk, FetchUpdateOffer(server.url() + "/Update/", key_, offer_));
  EXPECT_DOUBLE_EQ(3.41, offer_.info.version);
  EXPECT_EQ("新版本", offer_.info.description);
}

TEST_F(UpdateOfferTest, UnreadableOrUnsignedOffers) {
  const struct {
    const char* name;
    std::map<std::string, std::string> files;
    const char* cut;
    UpdateResult result;
  } kCases[] = {
      {"no Update.inf", {{"/Update.inf.sig", signature_}}, "", UpdateResult::kInfoUnreadable},
      {"no signature", {{"/Update.inf", info_}}, "", UpdateResult::kInfoUnreadable},
      {"Update.inf cut short", {{"/Update.inf", info_}, {"/Update.inf.sig", signature_}}, "/Update.inf",
       UpdateResult::kInfoUnreadable},
      {"signature of another text", {{"/Update.inf", info_ + " "}, {"/Update.inf.sig", signature_}}, "",
       UpdateResult::kInfoIncorrect},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    testing::LoopbackServer server(c.files);
    server.CutShort(c.cut);
    EXPECT_EQ(c.result, FetchUpdateOffer(server.url(), key_, offer_));
  }
  EXPECT_EQ(UpdateResult::kInfoUnreadable, FetchUpdateOffer("http://example.org/Update/", key_, offer_));
}

}  // namespace
}  // namespace cw::update
