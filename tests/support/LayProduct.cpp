// qv7_lay_product FAMILY UNINSTALLER: lays the product down in the current Wine
// prefix as its installer would have left it, with a copy of UNINSTALLER where
// its uninstall entry names it, for the demo; prints that path.
#include "tests/support/ProductFixture.h"

#include <windows.h>

#include <stdio.h>

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: qv7_lay_product FAMILY UNINSTALLER\n");
        return 2;
    }
    InstalledProduct product;
    if (!SetWindowsVersion("QV7UNINSTALL.EXE", argv[1]) || !LayProduct(argv[1], product) ||
        !CopyFileA(argv[2], (product.installDir + "\\QV7UNINSTALL.EXE").c_str(), FALSE)) {
        fprintf(stderr, "qv7_lay_product: could not lay the product down\n");
        return 1;
    }
    printf("%s\\QV7UNINSTALL.EXE\n", product.installDir.c_str());
    return 0;
}
