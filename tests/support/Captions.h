// Captions: the window captions by which the tests find the program's windows.
#pragma once

const char kDialogCaption[] = "クオーヴェイン７ ｱﾝｲﾝｽﾄｰﾗｰ";
const char kBoxCaption[] = "ｸｵｰｳﾞｪｲﾝ7 ｱﾝｲﾝｽﾄﾗｰ";
const char kAboutCaption[] = "ﾊﾞｰｼﾞｮﾝ情報 QV7Uninstall";
