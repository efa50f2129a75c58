# The resources that the exe and the native programs both carry, as NAME=file in resources/:
# the exe holds each as RCDATA under NAME (see veltriaclock.rc), native programs compile the
# same bytes in (embed.cmake).
set(VC_RESOURCES
    TFORMVT555=TFormVT555.layout
    BTN_NORMAL=btn_normal.bmp
    BTN_OVER=btn_over.bmp
    BTN_DOWN=btn_down.bmp
    FRAME_TOP=frame_top.bmp
    FRAME_BOTTOM=frame_bottom.bmp
)
set(VC_RESOURCE_FILES "")
foreach(entry IN LISTS VC_RESOURCES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 1 file)
    list(APPEND VC_RESOURCE_FILES "${CMAKE_CURRENT_LIST_DIR}/${file}")
endforeach()
