// qv7_lay_product FAMILY: lays the product down in the current Wine prefix as
// its installer would have left it, for the demo.
#include "tests/support/ProductFixture.h"

#include <stdio.h>

int main(int argc, char** argv)
{
    std::string family = argc > 1 ? argv[1] : "win10";
    InstalledProduct product = LayProduct(family);
    printf("installed in %s\nstock book %s\nStart-menu group %s\n", product.installDir.c_str(),
           product.stockBookDir.c_str(), product.groupDir.c_str());
    return 0;
}
