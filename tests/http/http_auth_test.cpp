// Credentials and certificates: a 401 answered through OnPasswordRequest, downloads through the
// forward proxy (also one that wants credentials), and a server whose certificate authority is
// not trusted.

#include <gtest/gtest.h>

#include <string>

#include "tests/http/http_test_support.h"

namespace {

using namespace http_test;

class HttpAuth : public http_test::HttpTest {};

TEST_F(HttpAuth, Answers401WithTheCredentialsOfOnPasswordRequest) {
  std::wstring realm;
  http.OnPasswordRequest = [&](TulCustomHTTP& sender, const std::wstring& asked, bool& tryAgain) {
    realm = asked;
    sender.SetUsername(L"user");
    sender.SetPassword(L"pass");
    tryAgain = true;
  };
  ASSERT_TRUE(Fetch(Url("http", L"/data/5000/auth-retry?auth=Ostrel%20Area")));
  EXPECT_EQ(realm, L"Ostrel Area");
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 5000));
  EXPECT_NE(RequestsWith("auth-retry").find("Authorization: Basic dXNlcjpwYXNz"),
            std::string::npos);
}

TEST_F(HttpAuth, DownloadsThroughTheProxy) {
  http.Proxy.AccessType = atUseProxy;
  http.Proxy.ProxyServer = L"127.0.0.1";
  http.Proxy.ProxyPort = Port("proxy");
  http.Proxy.ProxyBypass = L"<none>";
  ASSERT_TRUE(Fetch(Url("http", L"/data/80000/proxy-plain")));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 80000));
  EXPECT_NE(RequestsWith("proxy-plain").find("Via: 1.1 ostrel-test-proxy"), std::string::npos);
}

TEST_F(HttpAuth, Answers407ThroughOnProxyAuthenticationRequest) {
  http.Proxy.AccessType = atUseProxy;
  http.Proxy.ProxyServer = L"127.0.0.1";
  http.Proxy.ProxyPort = Port("proxyauth");
  http.Proxy.ProxyBypass = L"<none>";
  int asked = 0;
  http.OnProxyAuthenticationRequest = [&](TulCustomHTTP&, std::wstring& user,
                                          std::wstring& password, bool& tryAgain) {
    ++asked;
    user = L"proxyuser";
    password = L"proxypass";
    tryAgain = true;
  };
  ASSERT_TRUE(Fetch(Url("http", L"/data/80000/proxy-auth")));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 80000));
  EXPECT_NE(RequestsWith("proxy-auth").find("Via: 1.1 ostrel-test-proxy"), std::string::npos);
}

TEST_F(HttpAuth, RefusesACertificateOfAnUnknownAuthority) {
  const std::wstring file = TempFile(L"rogue.bin");
  http.OutputFileName = file;
  ASSERT_TRUE(Fetch(Url("rogue", L"/data/1000/rogue-refused")));
  EXPECT_EQ(events.hostUnreachable, 1);
  EXPECT_EQ(events.done, 0);
  // Windows says "unknown authority"; Wine says it cannot check the revocation of such a chain.
  const DWORD error = http.InternetError();
  EXPECT_TRUE(error == ERROR_INTERNET_INVALID_CA || error == ERROR_INTERNET_SEC_CERT_REV_FAILED)
      << error;
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(RequestsWith("rogue-refused"), "");
}

TEST_F(HttpAuth, AcceptsAnUnknownAuthorityWhenTheOptionSaysSo) {
  http.InternetOptions.Include(ioIgnoreUnknownCertificateAuthority);
  ASSERT_TRUE(Fetch(Url("rogue", L"/data/1000/rogue-accepted")));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 1000));
}

TEST_F(HttpAuth, DoesNotFollowARedirectFromHttpsToPlainHttp) {
  const std::wstring plain = Url("http", L"/data/1000/downgraded");
  ASSERT_TRUE(Fetch(Url("https", L"/r/downgrade?redirect=" + plain)));
  EXPECT_EQ(events.httpError, 302);
  EXPECT_EQ(Count(RequestsWith("downgraded"), "GET /data/"), 0);

  http.InternetOptions.Include(ioIgnoreRedirectToHTTP);
  ASSERT_TRUE(Fetch(http.URL));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 1000));
}

}  // namespace
