#pragma once
// Who makes Brisel and how to reach them. An address left empty is one the
// maker gave none of (an unbranded build): it is shown nowhere, rather than
// a made-up one.

namespace brisel::about_box {

struct Maker {
    const char* name;
    const char* addressLine;  // the postal address on one line
    const char* email;
    const char* webAddress;  // with its scheme
};

}  // namespace brisel::about_box
