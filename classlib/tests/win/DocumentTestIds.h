// Resource ids of the document and template tests' resources.
#pragma once

#define IDR_DOCTEST_TEXT 3401
#define IDR_DOCTEST_SKETCH 3402
