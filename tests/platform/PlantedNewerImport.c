/* A program that imports one function Windows 95 and NT 4.0 lack
   (GetLongPathNameA, from 98 and 2000 on), for the import check to refuse. */
#include <windows.h>

int main(void)
{
    char path[MAX_PATH];
    return (int)GetLongPathNameA("C:\\", path, MAX_PATH);
}
