#include "toolkit/WSCprocedure.h"

WSCprocedure::WSCprocedure(const char* name, long event) : name_(name ? name : ""), event_(event) {}

void WSCprocedure::setFunction(WSCcallback function, const char* function_name) {
    function_ = function;
    function_name_ = function_name ? function_name : "";
}

void WSCprocedure::exec(WSCbase* object) const {
    WSCcallback function =
        function_ ? function_ : WSCfunctionRegister::find(function_name_.c_str());
    if (function) function(object);
}
