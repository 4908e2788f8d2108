#pragma once

// Resource ids of the test images (fixtures/, made by make_fixtures.py).
// Shared by controls_tests.rc and the tests, so plain defines.
#define IDP_TEST_OPAQUE 60001     // 8 x 6 RGB: left half (200,30,30), right half (30,30,200)
#define IDP_TEST_HALF_ALPHA 60002 // 8 x 6 RGBA (0,200,0) at alpha 128
#define IDP_TEST_BLUE 60003       // 6 x 4 RGBA (0,0,255) opaque
#define IDP_TEST_NOT_PNG 60004    // bytes that are no image
#define IDP_TEST_EMPTY 60005      // a resource of size 0
#define IDP_TEST_MISSING 60099    // no such resource

#define IDP_TEST_BUTTON_NORMAL 61001  // 88 x 26 (200,0,0)
#define IDP_TEST_BUTTON_HOVER 61002   // 88 x 26 (0,200,0)
#define IDP_TEST_BUTTON_PRESSED 61003 // 88 x 26 (0,0,200)

#define IDP_TEST_BANNER_BLUE 62001  // 113 x 80 RGBA (0,0,255)
#define IDP_TEST_BANNER_RED 62002   // 113 x 80 RGBA (255,0,0)
#define IDP_TEST_BANNER_GREEN 62003 // 113 x 80 RGBA (0,255,0)

#define IDP_TEST_FLAG_16X11 63001 // (255,0,255)
#define IDP_TEST_FLAG_20X20 63002 // (0,255,255)
#define IDP_TEST_FLAG_22X9 63003  // (255,255,0)
