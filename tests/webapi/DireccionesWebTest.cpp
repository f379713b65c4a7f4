#include "webapi/DireccionesWeb.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Construccion.h"

namespace mirvalo {
namespace {

TEST(DireccionesWebTest, TheEnvironmentOverridesTheBuildsHosts) {
    unsetenv("MIRVALO_API_URL");
    unsetenv("MIRVALO_SITE_URL");
    EXPECT_EQ(direcciones::BaseWebApi(), std::string(construccion::UrlWebApi) + "/api/");
    EXPECT_EQ(direcciones::SitioPublico(), construccion::UrlSitio);

    setenv("MIRVALO_API_URL", "http://127.0.0.1:8080/", 1);
    setenv("MIRVALO_SITE_URL", "http://127.0.0.1:9090", 1);
    EXPECT_EQ(direcciones::ServidorWebApi(), "http://127.0.0.1:8080");
    EXPECT_EQ(direcciones::Operacion("IniciarDM"), "http://127.0.0.1:8080/api/v1/DownloadManager/IniciarDM");
    EXPECT_EQ(direcciones::SitioPublico(), "http://127.0.0.1:9090");

    // An empty variable counts as unset.
    setenv("MIRVALO_API_URL", "", 1);
    EXPECT_EQ(direcciones::ServidorWebApi(), construccion::UrlWebApi);
}

}  // namespace
}  // namespace mirvalo
