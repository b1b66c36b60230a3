# A stock template as an installation uses it: the dictionary is an
# installed one, DIC ("SVsmall.dic" or "SVbyg.dic", found through the
# registered dictionary folder), and the output folder is the installation's
# (the profile's "Gemmested"), so the template names none.
#   cmake -DIN=Model1.skb -DOUT=medium/Model1.skb -DDIC=SVsmall.dic -P InstalledTemplate.cmake
file(READ ${IN} text)
string(REGEX REPLACE "Trie=[^\r\n]*" "Trie=${DIC}" text "${text}")
string(REGEX REPLACE "DestDir=[^\r\n]*\r?\n" "" text "${text}")
file(WRITE ${OUT}.tmp "${text}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
