# placeholder replaced by the resource compiler's function
function(vantor_add_resources target dir)
endfunction()
