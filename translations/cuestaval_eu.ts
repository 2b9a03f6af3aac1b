<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>About</name>
    <message>
        <source>Cuestaval %1
Problemas y simulaciones de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa tirado por otro que cuelga de una polea, y la máquina de Atwood.
Licencia: GPL-3.0-or-later (GNU General Public License, versión 3 o posterior). Es software libre y se distribuye sin ninguna garantía.</source>
        <translation>Cuestaval %1
Newtonen bigarren legearen problemak eta simulazioak: plano inklinatua marruskadurarekin, txirrika batetik zintzilik dagoen beste bloke batek mahai baten gainean tiratzen duen blokea, eta Atwood-en makina.
Lizentzia: GPL-3.0-or-later (GNU General Public License, 3. bertsioa edo ondorengoa). Software librea da, eta inolako bermerik gabe banatzen da.</translation>
    </message>
</context>
<context>
    <name>ArrowScale</name>
    <message>
        <source>Escala</source>
        <extracomment>Drawn on the simulation&apos;s picture, above a bar that shows how long an arrow of so many newtons is</extracomment>
        <translation>Eskala</translation>
    </message>
</context>
<context>
    <name>AtwoodCases</name>
    <message>
        <source>La masa m1 debe ser mayor que cero</source>
        <translation>m1 masak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>m2 masak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>Tentsioak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La aceleración de la gravedad debe ser mayor que la aceleración</source>
        <translation>Grabitatearen azelerazioak azelerazioa baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>Soka batek tiratu besterik ezin du egin: haren tentsioa ezin da negatiboa izan.</translation>
    </message>
    <message>
        <source>El bloque que baja no puede caer más deprisa que en caída libre: la aceleración tiene que ser menor que g.</source>
        <translation>Jaisten den blokea ezin da erorketa askean baino azkarrago erori: azelerazioak g baino txikiagoa izan behar du.</translation>
    </message>
    <message>
        <source>Bloque 1 (baja):   m₁·g − T = m₁·a</source>
        <translation>1. blokea (jaisten da):   m₁·g − T = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 2 (sube):   T − m₂·g = m₂·a</source>
        <translation>2. blokea (igotzen da):   T − m₂·g = m₂·a</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece; despejando T de cada una:</source>
        <translation>Bi ekuazioak batuz gero, tentsioa desagertu egiten da; ekuazio bakoitzetik T askatuz:</translation>
    </message>
    <message>
        <source>Cada bloque tiene que tener masa: una masa cero o negativa no describe un bloque colgado de la cuerda.</source>
        <translation>Bloke bakoitzak masa izan behar du: zero edo negatiboa den masa batek ez du sokatik zintzilik dagoen blokerik deskribatzen.</translation>
    </message>
    <message>
        <source>Escribe una masa %1 mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den %1 masa.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Askatzea</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>Azelerazioak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a = 0 las masas serían iguales y con a &lt; 0 m₁ subiría.</source>
        <translation>m₁ jaisten den blokea da: a = 0 bada, masak berdinak lirateke, eta a &lt; 0 bada, m₁ igo egingo litzateke.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Idatzi 9,81 m/s² baino txikiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 1, y m₂ de T = m₂·(g + a):</source>
        <translation>T 1. blokearen ekuaziotik ateratzen da, eta m₂, T = m₂·(g + a) adierazpenetik:</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den tentsio bat.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁.</source>
        <translation>Idatzi %1 baino txikiagoa den tentsio bat, edo handitu m₁.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 1; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₂:</source>
        <translation>a 1. blokearen ekuaziotik ateratzen da; bi ekuazioen artean a ezabatuz, T·(m₁ + m₂) = 2·m₁·m₂·g geratzen da, eta hortik askatzen da m₂:</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>m2 masak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>Masa bat ezin da negatiboa izan.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den m₂ masa.</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>Azelerazioak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>m₂ es el bloque que sube: con a &lt; 0 bajaría.</source>
        <translation>m₂ igotzen den blokea da: a &lt; 0 bada, jaitsi egingo litzateke.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>La aceleración debe ser menor o igual que la aceleración de la gravedad</source>
        <translation>Azelerazioak grabitatearen azelerazioaren berdina edo txikiagoa izan behar du</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, y m₁ de T = m₁·(g − a):</source>
        <translation>T 2. blokearen ekuaziotik ateratzen da, eta m₁, T = m₁·(g − a) adierazpenetik:</translation>
    </message>
    <message>
        <source>La cuerda no podría con el peso de m₂, que es el bloque que sube.</source>
        <translation>Sokak ezingo lioke eutsi m₂-ren pisuari, eta m₂ da igotzen den blokea.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce m₂.</source>
        <translation>Idatzi gutxienez %1 den tentsio bat, edo txikitu m₂.</translation>
    </message>
    <message>
        <source>La tensión se acerca a 2·m₂·g cuando m₁ es muy pesado, pero nunca llega: haría falta un bloque m₁ infinito.</source>
        <translation>m₁ oso astuna denean, tentsioa 2·m₂·g baliora hurbiltzen da, baina ez da inoiz iristen: m₁ bloke infinitu bat beharko litzateke.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Idatzi %1 baino txikiagoa den tentsio bat.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 2; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₁:</source>
        <translation>a 2. blokearen ekuaziotik ateratzen da; bi ekuazioen artean a ezabatuz, T·(m₁ + m₂) = 2·m₁·m₂·g geratzen da, eta hortik askatzen da m₁:</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a &lt; 0 subiría.</source>
        <translation>m₁ jaisten den blokea da: a &lt; 0 bada, igo egingo litzateke.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de T = m₁·(g − a) y m₂ de T = m₂·(g + a).</source>
        <translation>Bloke bakoitza bere aldetik: m₁, T = m₁·(g − a) adierazpenetik ateratzen da, eta m₂, T = m₂·(g + a) adierazpenetik.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>1. masa</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>2. masa</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Azelerazioa</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tentsioa</translation>
    </message>
    <message>
        <source>aceleración de los bloques</source>
        <translation>blokeen azelerazioa</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>sokaren tentsioa</translation>
    </message>
    <message>
        <source>Aquí m₂ &gt; m₁: baja el bloque 2 y sube el bloque 1.</source>
        <translation>Hemen m₂ &gt; m₁: 2. blokea jaisten da eta 1. blokea igotzen da.</translation>
    </message>
    <message>
        <source>Aquí m₁ &gt; m₂: baja el bloque 1 y sube el bloque 2.</source>
        <translation>Hemen m₁ &gt; m₂: 1. blokea jaisten da eta 2. blokea igotzen da.</translation>
    </message>
    <message>
        <source>Aquí m₁ = m₂: las ecuaciones se escriben con el bloque 1 hacia abajo y darán a = 0, los bloques en reposo o a velocidad constante.</source>
        <translation>Hemen m₁ = m₂: ekuazioak 1. blokea beherantz doala idazten dira, eta a = 0 emango dute: blokeak geldirik egongo dira edo abiadura konstantean mugituko dira.</translation>
    </message>
    <message>
        <source>La ventana toma el bloque 1 como el que baja y el bloque 2 como el que sube.</source>
        <translation>Leihoak 1. blokea hartzen du jaisten dena bezala, eta 2. blokea igotzen dena bezala.</translation>
    </message>
    <message>
        <source>La cuerda tira de los dos hacia arriba con la misma tensión T y, como no se estira, los dos tienen la misma aceleración a.</source>
        <translation>Sokak biak gorantz tiratzen ditu T tentsio berarekin, eta, luzatzen ez denez, biek azelerazio bera dute, a.</translation>
    </message>
    <message>
        <source>Bloque 2 (baja):   m₂·g − T = m₂·a</source>
        <translation>2. blokea (jaisten da):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Bloque 1 (sube):   T − m₁·g = m₁·a</source>
        <translation>1. blokea (igotzen da):   T − m₁·g = m₁·a</translation>
    </message>
    <message>
        <source>De la suma de las ecuaciones se despeja a:</source>
        <translation>Ekuazioen baturatik a askatzen da:</translation>
    </message>
    <message>
        <source>Con las masas cambiadas la aceleración vale lo mismo: en los dos casos a = |m₁ − m₂|·g/(m₁ + m₂).</source>
        <translation>Masak trukatuta ere azelerazioa bera da: bi kasuetan a = |m₁ − m₂|·g/(m₁ + m₂).</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque que baja, T = %1·(g − a); sustituyendo a queda:</source>
        <translation>T jaisten den blokearen ekuaziotik ateratzen da, T = %1·(g − a); a ordezkatuz gero:</translation>
    </message>
    <message>
        <source>Con T = m₁·g los datos encajan con dos masas iguales: m₂ = m₁ y a = 0.</source>
        <translation>T = m₁·g bada, datuak bi masa berdinekin bat datoz: m₂ = m₁ eta a = 0.</translation>
    </message>
    <message>
        <source>Si el bloque 1 fuera el que sube, estos datos sí encajan: a = (T − m₁·g)/m₁ = %1 y m₂ = m₁·T/(2·m₁·g − T) = %2.</source>
        <translation>1. blokea igotzen dena balitz, datu hauek bat etorriko lirateke: a = (T − m₁·g)/m₁ = %1 eta m₂ = m₁·T/(2·m₁·g − T) = %2.</translation>
    </message>
    <message>
        <source>Una tensión igual o mayor que el peso de m₁ lo sostendría o lo subiría, y la ventana toma el bloque 1 como el que baja.</source>
        <translation>m₁-en pisuaren berdina edo handiagoa den tentsio batek eutsi egingo lioke edo igo egingo luke, eta leihoak 1. blokea hartzen du jaisten dena bezala.</translation>
    </message>
    <message>
        <source>a = g cumple lo que pide el mensaje, pero la ventana exige a &lt; g</source>
        <translation>a = g balioak mezuak eskatzen duena betetzen du, baina leihoak a &lt; g eskatzen du</translation>
    </message>
    <message>
        <source>masa del bloque 1</source>
        <translation>1. blokearen masa</translation>
    </message>
    <message>
        <source>masa del bloque 2</source>
        <translation>2. blokearen masa</translation>
    </message>
</context>
<context>
    <name>AtwoodFrame</name>
    <message>
        <source>Máquina de</source>
        <extracomment>Drawn on the picture: first line of the title &quot;Máquina de Atwood&quot;; the next text is its second line</extracomment>
        <translation>Atwood-en</translation>
    </message>
    <message>
        <source>Atwood</source>
        <extracomment>Drawn on the picture: second line of the title &quot;Máquina de Atwood&quot;</extracomment>
        <translation>makina</translation>
    </message>
</context>
<context>
    <name>ClassSets</name>
    <message>
        <source>Cualquier problema</source>
        <translation>Edozein problema</translation>
    </message>
    <message>
        <source>Cualquier pregunta</source>
        <translation>Edozein galdera</translation>
    </message>
    <message>
        <source>%1 = %2 (± %3)</source>
        <extracomment>An answer of the key and how far a student&apos;s may stray: &quot;a = 3,2086 m/s² (± 0,0321)&quot;.</extracomment>
        <translation>%1 = %2 (± %3)</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;1, 2 y 3&quot;.</extracomment>
        <translation>%1 eta %2</translation>
    </message>
    <message>
        <source>La pregunta, numerada como en los códigos de los ejercicios (la parte del medio); sin ella, cualquiera.</source>
        <translation>Galdera, ariketen kodeetan bezala zenbakituta (erdiko zatia); aukera hau gabe, edozein.</translation>
    </message>
    <message>
        <source>El número del primer código, de 0 a 9999; los demás le siguen. Sin él, uno al azar.</source>
        <translation>Lehen kodearen zenbakia, 0 eta 9999 artean; besteak haren atzetik doaz. Aukera hau gabe, bat ausaz.</translation>
    </message>
    <message>
        <source>Escribe la hoja de los alumnos (PDF).</source>
        <translation>Ikasleen orria idazten du (PDF).</translation>
    </message>
    <message>
        <source>Escribe la clave de respuestas con las resoluciones (PDF).</source>
        <translation>Erantzun-orria idazten du, ebazpenekin (PDF).</translation>
    </message>
    <message>
        <source>Escribe el banco de preguntas de Moodle (XML).</source>
        <translation>Moodleko galdera-bankua idazten du (XML).</translation>
    </message>
    <message>
        <source>--%1 solo sirve con --exercises.</source>
        <translation>--%1 --exercises aukerarekin bakarrik erabil daiteke.</translation>
    </message>
    <message>
        <source>--exercises es el número de variantes, de 1 a %1, no «%2».</source>
        <translation>--exercises aldaera kopurua da, 1 eta %1 artean, ez «%2».</translation>
    </message>
    <message>
        <source>--problem es inclined, table, atwood o any, no «%1».</source>
        <translation>--problem inclined, table, atwood edo any da, ez «%1».</translation>
    </message>
    <message>
        <source>--case necesita un problema: --problem inclined, table o atwood.</source>
        <translation>--case aukerak problema bat behar du: --problem inclined, table edo atwood.</translation>
    </message>
    <message>
        <source>--problem %1 no tiene la pregunta «%2»; sus preguntas son %3.</source>
        <translation>--problem %1 problemak ez du «%2» galderarik; haren galderak hauek dira: %3.</translation>
    </message>
    <message>
        <source>--seed es el número del primer código, de 0 a %1, no «%2».</source>
        <translation>--seed lehen kodearen zenbakia da, 0 eta %1 artean, ez «%2».</translation>
    </message>
    <message>
        <source>con --seed %1, %2 variantes llegarían al número %3, pero el último es %4: --seed puede ser como mucho %5.</source>
        <translation>--seed %1 izanik, %2 aldaerak %3 zenbakira iritsiko lirateke, baina azkena %4 da: --seed gehienez %5 izan daiteke.</translation>
    </message>
    <message>
        <source>--%1 necesita el nombre de un archivo.</source>
        <translation>--%1 aukerak fitxategi-izen bat behar du.</translation>
    </message>
    <message>
        <source>--%1 y --%2 son el mismo archivo, «%3».</source>
        <translation>--%1 eta --%2 fitxategi bera dira: «%3».</translation>
    </message>
    <message>
        <source>--exercises necesita al menos un archivo que escribir: --sheet, --key o --moodle.</source>
        <translation>--exercises aukerak idazteko fitxategi bat behar du gutxienez: --sheet, --key edo --moodle.</translation>
    </message>
    <message>
        <source>Código %1</source>
        <extracomment>The code on a student&apos;s sheet and on the key.</extracomment>
        <translation>%1 kodea</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <extracomment>Before the line where the student writes their name.</extracomment>
        <translation>Izena:</translation>
    </message>
    <message>
        <source>Puedes practicar este ejercicio en Cuestaval: en «Ejercicios», escribe el código %1 y pulsa «Ir».</source>
        <extracomment>At the foot of each exercise on a student&apos;s sheet; &quot;Ejercicios&quot; is the menu button.</extracomment>
        <translation>Ariketa hau Cuestavalen landu dezakezu: «Ariketak» atalean, idatzi %1 kodea eta sakatu «Joan».</translation>
    </message>
    <message>
        <source>Respuestas (se aceptan dentro del margen indicado):</source>
        <extracomment>The key&apos;s answers, before the worked solution; each is the exact value and its margin.</extracomment>
        <translation>Erantzunak (adierazitako tartearen barruan onartzen dira):</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The codes of a class set, first and last: &quot;1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1, código %2</source>
        <extracomment>A file written, with the one code it holds: &quot;Hoja para los alumnos, código 1-3-100&quot;.</extracomment>
        <translation>%1, %2 kodea</translation>
    </message>
    <message>
        <source>%1, códigos %2 a %3</source>
        <extracomment>A file written, with the codes it holds: &quot;Hoja para los alumnos, códigos 1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1, %2 – %3 kodeak</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Ariketa-orria</translation>
    </message>
    <message>
        <source>Clave de respuestas</source>
        <translation>Erantzun-orria</translation>
    </message>
    <message>
        <source>Hoja para los alumnos</source>
        <translation>Ikasleentzako orria</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle</source>
        <translation>Moodleko galdera-bankua</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» (la carpeta no existe o no se puede escribir en ella), así que no se ha guardado ningún archivo de la hoja.</source>
        <translation>Ezin izan da «%1» gorde (karpeta ez dago edo ezin da bertan idatzi); beraz, ez da orriko fitxategirik gorde.</translation>
    </message>
    <message>
        <source>hoja</source>
        <extracomment>Names of the files of a class set, before their codes: &quot;hoja 1-3-100 a 1-3-129.pdf&quot;.</extracomment>
        <translation>orria</translation>
    </message>
    <message>
        <source>clave</source>
        <translation>erantzunak</translation>
    </message>
    <message>
        <source>moodle</source>
        <translation>moodle</translation>
    </message>
    <message>
        <source>Prepara N ejercicios distintos, de 1 a %1, uno por alumno, sin abrir ninguna ventana, y escribe los archivos que piden --sheet, --key y --moodle.</source>
        <translation>N ariketa desberdin prestatzen ditu (1 eta %1 artean), ikasle bakoitzeko bat, leihorik ireki gabe, eta --sheet, --key eta --moodle aukerek eskatzen dituzten fitxategiak idazten ditu.</translation>
    </message>
    <message>
        <source>El problema: inclined (plano inclinado), table (plano horizontal), atwood (máquina de Atwood) o any (uno cualquiera en cada ejercicio).</source>
        <translation>Problema: inclined (plano inklinatua), table (plano horizontala), atwood (Atwood-en makina) edo any (edozein, ariketa bakoitzean bat).</translation>
    </message>
    <message>
        <source>ARCHIVO.pdf</source>
        <extracomment>The value name of --sheet and --key in the command line&apos;s help.</extracomment>
        <translation>FITXATEGIA.pdf</translation>
    </message>
    <message>
        <source>ARCHIVO.xml</source>
        <extracomment>The value name of --moodle in the command line&apos;s help.</extracomment>
        <translation>FITXATEGIA.xml</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood.</source>
        <translation>Newtonen bigarren legearen hiru problema klasiko ebazten eta simulatzen ditu: plano inklinatua marruskadurarekin, txirrika baten bidez mahai baten gainean arrastatzen den blokea, eta Atwood-en makina.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Laguntza hau erakusten du.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Bertsioa eta lizentzia erakusten ditu.</translation>
    </message>
    <message>
        <source>no admite argumentos: %1</source>
        <translation>ez du argumenturik onartzen: %1</translation>
    </message>
    <message>
        <source>cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.</source>
        <translation>cuestaval: «%1» eskalak ez du balio; eskalak 100, 125, 150, 175 eta 200 dira.</translation>
    </message>
    <message>
        <source>Cuestaval necesita una sesión gráfica: ábrelo desde el escritorio (X11 o Wayland).</source>
        <translation>Cuestavalek saio grafiko bat behar du: ireki mahaigainetik (X11 edo Wayland).</translation>
    </message>
    <message>
        <source>Prueba «cuestaval --help».</source>
        <translation>Probatu «cuestaval --help».</translation>
    </message>
    <message>
        <source>Escala de las ventanas, en porcentaje: 100, 125, 150, 175 o 200.</source>
        <translation>Leihoen eskala, ehunekotan: 100, 125, 150, 175 edo 200.</translation>
    </message>
    <message>
        <source>porcentaje</source>
        <extracomment>The value name of --zoom in the command line&apos;s help.</extracomment>
        <translation>ehunekoa</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Normal</source>
        <extracomment>A label of the inclined-plane diagram: the normal force.</extracomment>
        <translation>Normala</translation>
    </message>
    <message>
        <source>m g sen θ</source>
        <extracomment>A label of the inclined-plane diagram: the weight along the plane (&quot;sen&quot; is the sine).</extracomment>
        <translation>m g sin θ</translation>
    </message>
</context>
<context>
    <name>EnergyView</name>
    <message>
        <source>Energía (J)</source>
        <extracomment>Title of the energy graph&apos;s scale, as the other graphs&apos; axes</extracomment>
        <translation>Energia (J)</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>Plano inclinado</source>
        <translation>Plano inklinatua</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Plano horizontala</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood-en makina</translation>
    </message>
    <message>
        <source>Calcula %1</source>
        <extracomment>A question of the practice, named by its unknown: &quot;Calcula μ&quot;.</extracomment>
        <translation>Kalkulatu %1</translation>
    </message>
    <message>
        <source>Calcula %1 y %2</source>
        <extracomment>A question of the practice, named by its two unknowns: &quot;Calcula m₂ y a&quot;.</extracomment>
        <translation>Kalkulatu %1 eta %2</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción. Revisa la ecuación del eje x: además de m·g·sen θ actúa la fricción fr = μ·m·g·cos θ, que se opone al deslizamiento.</source>
        <translation>Badirudi ez duzula marruskadura kontuan hartu. Berrikusi x ardatzeko ekuazioa: m·g·sin θ osagaiaz gain, fr = μ·m·g·cos θ marruskadurak ere eragiten du, irristatzearen aurka.</translation>
    </message>
    <message>
        <source>Parece que has cambiado el seno por el coseno. Al descomponer el peso, la componente a lo largo del plano es m·g·sen θ y la perpendicular al plano, m·g·cos θ.</source>
        <translation>Badirudi sinua eta kosinua trukatu dituzula. Pisua deskonposatzean, planoan zeharreko osagaia m·g·sin θ da, eta planoarekiko perpendikularra, m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al deslizamiento, así que en el eje x resta: m·g·sen θ − fr = m·a.</source>
        <translation>Badirudi marruskadura batu duzula. Marruskadura irristatzearen aurka ari da; beraz, x ardatzean kendu egiten da: m·g·sin θ − fr = m·a.</translation>
    </message>
    <message>
        <source>Parece que has tomado la normal igual al peso. En un plano inclinado la normal equilibra solo la componente perpendicular del peso: N = m·g·cos θ.</source>
        <translation>Badirudi indar normala pisuaren berdina hartu duzula. Plano inklinatuan, indar normalak pisuaren osagai perpendikularra bakarrik orekatzen du: N = m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que la calculadora estaba en radianes. Los ángulos de este problema van en grados: pon la calculadora en modo grados (DEG) y repite el cálculo.</source>
        <translation>Badirudi kalkulagailua radianetan zegoela. Problema honetako angeluak gradutan daude: jarri kalkulagailua gradu moduan (DEG) eta egin berriro kalkulua.</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción de la mesa. En la ecuación del bloque 1, además de la tensión T, actúa la fricción fr = μ·m₁·g, que se opone al movimiento.</source>
        <translation>Badirudi ez duzula mahaiaren marruskadura kontuan hartu. 1. blokearen ekuazioan, T tentsioaz gain, fr = μ·m₁·g marruskadurak ere eragiten du, mugimenduaren aurka.</translation>
    </message>
    <message>
        <source>Revisa la fricción: actúa sobre el bloque de la mesa, cuya normal es N = m₁·g, así que fr = μ·m₁·g. El bloque colgante no roza con nada.</source>
        <translation>Berrikusi marruskadura: mahai gaineko blokean eragiten du, eta haren indar normala N = m₁·g da; beraz, fr = μ·m₁·g. Zintzilik dagoen blokea ez da ezerekin igurzten.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: el peso del bloque colgante arrastra a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Berrikusi zein masa azeleratzen den: zintzilik dagoen blokearen pisuak bi blokeak arrastatzen ditu; beraz, multzoaren ekuazioan masa osoa doa, m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque colgante. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₂·(g − a).</source>
        <translation>Badirudi tentsioa zintzilik dagoen blokearen pisuaren berdina hartu duzula. Bloke hori beherantz azeleratzen da; beraz, sokak haren pisua baino indar txikiagoz tiratzen dio: T = m₂·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al movimiento, así que en la ecuación del bloque 1 resta: T − fr = m₁·a.</source>
        <translation>Badirudi marruskadura batu duzula. Marruskadura mugimenduaren aurka ari da; beraz, 1. blokearen ekuazioan kendu egiten da: T − fr = m₁·a.</translation>
    </message>
    <message>
        <source>Revisa qué bloque baja: m₁ es el que baja, m₁·g − T = m₁·a, y m₂ el que sube, T − m₂·g = m₂·a.</source>
        <translation>Berrikusi zein bloke jaisten den: m₁ da jaisten dena, m₁·g − T = m₁·a, eta m₂ igotzen dena, T − m₂·g = m₂·a.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: la diferencia de pesos mueve a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Berrikusi zein masa azeleratzen den: pisuen arteko aldeak bi blokeak mugitzen ditu; beraz, multzoaren ekuazioan masa osoa doa, m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque que baja. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₁·(g − a).</source>
        <translation>Badirudi tentsioa jaisten den blokearen pisuaren berdina hartu duzula. Bloke hori beherantz azeleratzen da; beraz, sokak haren pisua baino indar txikiagoz tiratzen dio: T = m₁·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual a la fuerza neta, (m₁ − m₂)·g. La tensión es la fuerza de la cuerda sobre cada bloque: sale de la ecuación de uno de ellos.</source>
        <translation>Badirudi tentsioa indar netoaren berdina hartu duzula, (m₁ − m₂)·g. Tentsioa sokak bloke bakoitzari egiten dion indarra da: bietako baten ekuaziotik ateratzen da.</translation>
    </message>
    <message>
        <source>Revisa el signo de a en la ecuación del bloque que sube: acelera hacia arriba, T − m₂·g = m₂·a, así que T = m₂·(g + a).</source>
        <translation>Berrikusi a-ren zeinua igotzen den blokearen ekuazioan: gorantz azeleratzen da, T − m₂·g = m₂·a; beraz, T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Un bloque baja deslizándose por un plano inclinado que forma un ángulo θ con la horizontal, con aceleración a. Entre el bloque y el plano hay fricción cinética, de coeficiente μ.</source>
        <translation>Bloke bat irristatuz jaisten da horizontalarekin θ angelua osatzen duen plano inklinatu batean behera, a azelerazioarekin. Blokearen eta planoaren artean marruskadura zinetikoa dago, μ koefizientekoa.</translation>
    </message>
    <message>
        <source>Un bloque de masa m₁ está sobre una mesa horizontal, con coeficiente de fricción cinética μ entre el bloque y la mesa. Una cuerda que pasa por una polea en el borde de la mesa lo une a un bloque colgante de masa m₂, que baja y lo arrastra: los dos se mueven con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>m₁ masako bloke bat mahai horizontal baten gainean dago, eta blokearen eta mahaiaren arteko marruskadura zinetikoaren koefizientea μ da. Mahaiaren ertzeko txirrika batetik igarotzen den soka batek m₂ masako bloke zintzilik batekin lotzen du; bloke hori jaisten da eta bestea arrastatzen du: biak a azelerazioarekin mugitzen dira, eta sokaren tentsioa T da. Sokaren eta txirrikaren masa arbuiagarria da.</translation>
    </message>
    <message>
        <source>Dos bloques cuelgan de los extremos de una cuerda que pasa por una polea fija (máquina de Atwood): el de masa m₁ baja y el de masa m₂ sube, los dos con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>Bi bloke zintzilik daude txirrika finko batetik igarotzen den soka baten muturretatik (Atwood-en makina): m₁ masakoa jaisten da eta m₂ masakoa igotzen, biak a azelerazioarekin, eta sokaren tentsioa T da. Sokaren eta txirrikaren masa arbuiagarria da.</translation>
    </message>
    <message>
        <source>el ángulo θ del plano</source>
        <translation>planoaren θ angelua</translation>
    </message>
    <message>
        <source>el coeficiente de fricción μ</source>
        <translation>μ marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>la aceleración a del bloque</source>
        <translation>blokearen a azelerazioa</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque de la mesa</source>
        <translation>mahai gaineko blokearen m₁ masa</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque colgante</source>
        <translation>zintzilik dagoen blokearen m₂ masa</translation>
    </message>
    <message>
        <source>la aceleración a</source>
        <translation>a azelerazioa</translation>
    </message>
    <message>
        <source>la tensión T de la cuerda</source>
        <translation>sokaren T tentsioa</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque que baja</source>
        <translation>jaisten den blokearen m₁ masa</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque que sube</source>
        <translation>igotzen den blokearen m₂ masa</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;θ = 30°, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>%1 eta %2</translation>
    </message>
    <message>
        <source>Datos: %1.</source>
        <extracomment>%1 lists the given values: &quot;m₁ = 2 kg, m₂ = 3 kg, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>Datuak: %1.</translation>
    </message>
    <message>
        <source>Calcula %1.</source>
        <extracomment>%1 names the unknown: &quot;el coeficiente de fricción μ&quot;.</extracomment>
        <translation>Kalkulatu %1.</translation>
    </message>
    <message>
        <source>Calcula %1 y %2.</source>
        <extracomment>%1 and %2 name the unknowns: &quot;la masa m₂ del bloque colgante&quot;, &quot;la aceleración a&quot;.</extracomment>
        <translation>Kalkulatu %1 eta %2.</translation>
    </message>
    <message>
        <source>Escribe el código de un ejercicio.</source>
        <translation>Idatzi ariketa baten kodea.</translation>
    </message>
    <message>
        <source>No hay ningún ejercicio con el código «%1».</source>
        <translation>Ez dago «%1» kodea duen ariketarik.</translation>
    </message>
    <message>
        <source>Un código tiene tres números separados por guiones, como 2-4-4817: el problema (1, 2 o 3), la pregunta y un número de 0 a %1.</source>
        <extracomment>%1 is the largest number of an exercise.</extracomment>
        <translation>Kode batek marratxoz bereizitako hiru zenbaki ditu, 2-4-4817 bezala: problema (1, 2 edo 3), galdera, eta 0 eta %1 arteko zenbaki bat.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Atwood-en makina.</translation>
    </message>
    <message>
        <source>Máquina de Atwood: una polea con una cuerda de cuyos extremos cuelgan los bloques m1 y m2, con la tensión T hacia arriba y los pesos m1 g y m2 g hacia abajo.</source>
        <translation>Atwood-en makina: soka bat duen txirrika bat; sokaren muturretatik m1 eta m2 blokeak daude zintzilik, T tentsioa gorantz eta m1 g eta m2 g pisuak beherantz dituztela.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Ebatzi</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulazioa</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>kilogramotan</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>segundo karratuko metrotan</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>newtonetan</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood-en makina</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>en kilogramos</source>
        <translation>kilogramotan</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>segundo karratuko metrotan</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>newtonetan</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>gradutan</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>unitaterik gabe</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Ariketak</translation>
    </message>
    <message>
        <source>Problema</source>
        <extracomment>Caption of the list of problems to practise.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <extracomment>Caption of the list of questions: what the exercise asks for.</extracomment>
        <translation>Galdera</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>Ariketa berria</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <extracomment>Button: checks the typed answers.</extracomment>
        <translation>Egiaztatu</translation>
    </message>
    <message>
        <source>Ver simulación</source>
        <extracomment>Button: opens the simulation of the problem with the exercise&apos;s values.</extracomment>
        <translation>Ikusi simulazioa</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Código</source>
        <extracomment>Caption of the field where the student types an exercise&apos;s code, as 2-4-4817.</extracomment>
        <translation>Kodea</translation>
    </message>
    <message>
        <source>Ir</source>
        <extracomment>Button: opens the exercise whose code is typed beside it.</extracomment>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>One of the choices of problem and of question: any of them.</extracomment>
        <translation>Edozein</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <extracomment>%1 is the exercise&apos;s code: problem, question and number, as 2-4-4817.</extracomment>
        <translation>Kodea: %1</translation>
    </message>
    <message>
        <source>Tienes tres intentos.</source>
        <translation>Hiru saiakera dituzu.</translation>
    </message>
    <message>
        <source>Correcto</source>
        <extracomment>Beside an answer that is within the tolerance of the exact value.</extracomment>
        <translation>Zuzena</translation>
    </message>
    <message>
        <source>Incorrecto</source>
        <extracomment>Beside an answer that is not.</extracomment>
        <translation>Okerra</translation>
    </message>
    <message>
        <source>Te queda un intento.</source>
        <translation>Saiakera bat geratzen zaizu.</translation>
    </message>
    <message>
        <source>Te quedan %1 intentos.</source>
        <translation>%1 saiakera geratzen zaizkizu.</translation>
    </message>
    <message>
        <source>Solución: %1.</source>
        <extracomment>%1 lists the exact answers: &quot;a = 3,21 m/s²; T = 14,13 N&quot;.</extracomment>
        <translation>Soluzioa: %1.</translation>
    </message>
    <message>
        <source>Correctos a la primera: %1 de %2</source>
        <extracomment>Exercises answered right at the first try, of those checked in this session.</extracomment>
        <translation>Lehen saiakeran zuzen: %2 ariketatik %1</translation>
    </message>
    <message>
        <source>Preparar una hoja…</source>
        <extracomment>Button: opens the dialog that writes a different exercise for every student of a class.</extracomment>
        <translation>Prestatu orri bat…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Fricción mayor</source>
        <extracomment>Shown instead of an acceleration: friction holds the block still</extracomment>
        <translation>Marruskadura handiegia</translation>
    </message>
    <message>
        <source>Ángulo de Inclinación</source>
        <translation>Inklinazio-angelua</translation>
    </message>
    <message>
        <source>Coeficiente de Fricción</source>
        <translation>Marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>Aceleración del Bloque</source>
        <translation>Blokearen azelerazioa</translation>
    </message>
    <message>
        <source>Tiempo de Deslizamiento</source>
        <translation>Irristatze-denbora</translation>
    </message>
    <message>
        <source>Distancia Recorrida</source>
        <translation>Egindako distantzia</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Hasi mugimendua</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Gelditu mugimendua</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Datuak eta grafikoak</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Problemaren balioak</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulazioa</translation>
    </message>
    <message>
        <source>El plano inclinado con el bloque y sus fuerzas: peso, sus componentes, normal y fricción, a escala. Durante el movimiento deja marcas cada 0,1 s en las franjas izquierda e inferior.</source>
        <translation>Plano inklinatua blokearekin eta haren indarrekin: pisua, haren osagaiak, normala eta marruskadura, eskalan. Mugimenduan zehar, 0,1 s-ro marka bat uzten du ezkerreko eta beheko zerrendetan.</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Plano inklinatua</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Plano horizontala.</translation>
    </message>
    <message>
        <source>Masa del Bloque 1</source>
        <translation>1. blokearen masa</translation>
    </message>
    <message>
        <source>Masa del Bloque 2</source>
        <translation>2. blokearen masa</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>Aceleración de los Bloques</source>
        <translation>Blokeen azelerazioa</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Simulazio-denbora</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Label of the distance the blocks have moved</extracomment>
        <translation>Distantzia</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tentsioa</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Hasi mugimendua</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Gelditu mugimendua</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Datuak eta grafikoak</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Problemaren balioak</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulazioa</translation>
    </message>
    <message>
        <source>La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s.</source>
        <translation>Mahaia 1. blokearekin, txirrika eta zintzilik dagoen 2. blokea, tentsioak, marruskadura eta pisua eskalan. Mugimenduan zehar, 0,1 s-ro marka bat uzten du.</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Plano horizontala</translation>
    </message>
    <message>
        <source>No solución</source>
        <extracomment>Shown in the acceleration field, which is narrow: keep it short</extracomment>
        <translation>Soluziorik ez</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Segunda Ley de Newton.</source>
        <translation>Newtonen bigarren legea.</translation>
    </message>
    <message>
        <source>&quot;Segunda Ley de Newton&quot;</source>
        <translation>&quot;Newtonen bigarren legea&quot;</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood-en makina</translation>
    </message>
    <message>
        <source>&quot;Máquina de Atwood&quot;</source>
        <translation>&quot;Atwood-en makina&quot;</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Atwood-en makina.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>1. masa</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>2. masa</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Simulazio-denbora</translation>
    </message>
    <message>
        <source>Aceleración Masa 1</source>
        <translation>1. masaren azelerazioa</translation>
    </message>
    <message>
        <source>Aceleración Masa 2</source>
        <translation>2. masaren azelerazioa</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tentsioa</translation>
    </message>
    <message>
        <source>Distancia </source>
        <extracomment>Label of the distance each mass has moved (the trailing blank is part of the original layout)</extracomment>
        <translation>Distantzia </translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Hasi mugimendua</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Gelditu mugimendua</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Datuak eta grafikoak</translation>
    </message>
    <message>
        <source>Nota sobre las masas del problema</source>
        <translation>Oharra problemaren masei buruz</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulazioa</translation>
    </message>
    <message>
        <source>La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques.</source>
        <translation>Atwood-en makina: txirrika, sokak eta bi blokeak, beren pisu eta tentsioekin, eskalan. Mugimenduan zehar, 0,1 s-ro marka bat uzten du blokeen ondoan.</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Atwood-en makina</translation>
    </message>
    <message>
        <source>No hay solución</source>
        <translation>Ez dago soluziorik</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Prof. de Física · Mecánica Clásica</source>
        <extracomment>Author credit: &quot;Prof.&quot; abbreviates &quot;Profesor&quot; (teacher)</extracomment>
        <translation>Fisika irakaslea · Mekanika klasikoa</translation>
    </message>
    <message>
        <source>Plano Horizontal</source>
        <translation>Plano horizontala</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood-en makina</translation>
    </message>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <extracomment>Button: opens the practice window, which poses problems to solve</extracomment>
        <translation>Ariketak</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Ángulo</source>
        <translation>Angelua</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Marruskadura-koef.</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Azelerazioa</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Ebatzi</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulazioa</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>segundo karratuko metrotan</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>gradutan</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>unitaterik gabe</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <translation>Plano inklinatua</translation>
    </message>
    <message>
        <source>Bloque sobre un plano inclinado un ángulo θ, con su peso m g descompuesto en m g sen θ y m g cos θ, la fuerza Normal y la fricción fr.</source>
        <translation>θ angeluan inklinatutako plano baten gaineko blokea, haren m g pisua m g sin θ eta m g cos θ osagaietan deskonposatuta, indar normala (Normala) eta fr marruskadura.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Plano horizontala.</translation>
    </message>
    <message>
        <source>Bloque m1 sobre una mesa con las fuerzas N, fr, T y m1 g, unido por una cuerda que pasa por una polea al bloque colgante m2, con las fuerzas T y m2 g.</source>
        <translation>m1 blokea mahai baten gainean, N, fr, T eta m1 g indarrekin, txirrika batetik igarotzen den soka baten bidez zintzilik dagoen m2 blokeari lotuta, T eta m2 g indarrekin.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Ebatzi</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Itzuli</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulazioa</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>kilogramotan</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>unitaterik gabe</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>segundo karratuko metrotan</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>newtonetan</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Plano horizontala</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Marruskadura-koef.</translation>
    </message>
</context>
<context>
    <name>Handover</name>
    <message>
        <source>Aquí g = %1 m/s²: %2 = %3 %4; con %5 m/s², %6 %4</source>
        <extracomment>After a problem&apos;s values reach a simulation: %1 its g, %2 a symbol (T, a), %3 the value the window shows, %4 its unit, %5 the g of the problem windows, %6 the value with that g</extracomment>
        <translation>Hemen g = %1 m/s²: %2 = %3 %4; g = %5 m/s² izanda, %6 %4</translation>
    </message>
</context>
<context>
    <name>HorizontalPlaneCases</name>
    <message>
        <source>El coeficiente de fricción debe ser mayor o igual a cero</source>
        <translation>Marruskadura-koefizienteak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>Tentsioak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor que cero</source>
        <translation>Tentsioak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>Azelerazioak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor a cero</source>
        <translation>m1 masak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor o igual a cero</source>
        <translation>m1 masak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>m2 masak zeroren berdina edo handiagoa izan behar du</translation>
    </message>
    <message>
        <source>La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado</source>
        <translation>Azelerazioak positiboa eta segundo karratuko 9,81 metro baino txikiagoa izan behar du</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>Masa bat ezin da negatiboa izan.</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>Soka batek tiratu besterik ezin du egin: haren tentsioa ezin da negatiboa izan.</translation>
    </message>
    <message>
        <source>Bloque 1, horizontal:   T − fr = m₁·a</source>
        <translation>1. blokea, horizontalean:   T − fr = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</source>
        <translation>1. blokea, bertikalean:   N − m₁·g = 0   ⇒   N = m₁·g</translation>
    </message>
    <message>
        <source>Bloque 2 (m₂, colgante): su peso m₂·g tira hacia abajo y la cuerda hacia arriba con T; la cuerda no se estira, así que los dos bloques tienen la misma aceleración a.</source>
        <translation>2. blokea (m₂, zintzilik): haren m₂·g pisuak beherantz tiratzen du, eta sokak gorantz, T tentsioarekin; soka ez da luzatzen; beraz, bi blokeek azelerazio bera dute, a.</translation>
    </message>
    <message>
        <source>Bloque 2, vertical (hacia abajo):   m₂·g − T = m₂·a</source>
        <translation>2. blokea, bertikalean (beherantz):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Sistema de ecuaciones:</source>
        <translation>Ekuazio-sistema:</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece:</source>
        <translation>Bi ekuazioak batuz gero, tentsioa desagertu egiten da:</translation>
    </message>
    <message>
        <source>Las masas deben ser mayores o iguales a cero</source>
        <translation>Masek zeroren berdinak edo handiagoak izan behar dute</translation>
    </message>
    <message>
        <source>Escribe masas mayores o iguales a cero.</source>
        <translation>Idatzi zeroren berdinak edo handiagoak diren masak.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den marruskadura-koefiziente bat.</translation>
    </message>
    <message>
        <source>Aumenta m₂ o reduce μ o m₁, hasta que m₂ ≥ μ·m₁.</source>
        <translation>Handitu m₂, edo txikitu μ edo m₁, m₂ ≥ μ·m₁ izan arte.</translation>
    </message>
    <message>
        <source>Las dos masas son cero: no hay nada que mover.</source>
        <translation>Bi masak zero dira: ez dago ezer mugitzeko.</translation>
    </message>
    <message>
        <source>Escribe al menos una masa mayor que cero.</source>
        <translation>Idatzi gutxienez zero baino handiagoa den masa bat.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Askatzea</translation>
    </message>
    <message>
        <source>Para despejar μ hay que dividir entre m₁·g, así que m₁ no puede ser cero.</source>
        <translation>μ askatzeko m₁·g-rekin zatitu behar da; beraz, m₁ ezin da zero izan.</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den m₁ masa.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den m₂ masa.</translation>
    </message>
    <message>
        <source>El bloque colgante tira del sistema, que parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>Zintzilik dagoen blokeak sistema arrastatzen du, eta sistema pausagunetik abiatzen da: ezin du atzerantz azeleratu.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>Ni sin fricción (μ = 0) llegaría el sistema a esa aceleración: haría falta un coeficiente de fricción negativo.</source>
        <translation>Marruskadurarik gabe ere (μ = 0) sistema ez litzateke azelerazio horretara iritsiko: marruskadura-koefiziente negatibo bat beharko litzateke.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor o igual a %1, o aumenta m₂.</source>
        <translation>Idatzi %1 baino txikiagoa edo haren berdina den azelerazio bat, edo handitu m₂.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja μ; T sale de la ecuación del bloque 2:</source>
        <translation>(m₂ − μ·m₁)·g = (m₁ + m₂)·a ekuaziotik μ askatzen da; T 2. blokearen ekuaziotik ateratzen da:</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den m₁ masa.</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den tentsio bat.</translation>
    </message>
    <message>
        <source>Con una masa igual a cero no se puede despejar μ: habría que dividir entre m₁·m₂·g.</source>
        <translation>Masa bat zero bada, ezin da μ askatu: m₁·m₂·g-rekin zatitu beharko litzateke.</translation>
    </message>
    <message>
        <source>Escribe dos masas mayores que cero.</source>
        <translation>Idatzi zero baino handiagoak diren bi masa.</translation>
    </message>
    <message>
        <source>Esa es la tensión sin fricción; una tensión menor pediría un coeficiente de fricción negativo.</source>
        <translation>Hori da marruskadurarik gabeko tentsioa; tentsio txikiago batek marruskadura-koefiziente negatibo bat eskatuko luke.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1.</source>
        <translation>Idatzi gutxienez %1 den tentsio bat.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja μ:</source>
        <translation>Bi ekuazioen artean a ezabatuz, T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g geratzen da, eta hortik askatzen da μ:</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría, y el sistema no se movería hacia la polea.</source>
        <translation>Sokak zintzilik dagoen blokea haren pisuak baino gehiago tiratuko luke gorantz: igo egingo litzateke, eta sistema ez litzateke txirrikarantz mugituko.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor o igual a %1, o aumenta m₂.</source>
        <translation>Idatzi %1 baino txikiagoa edo haren berdina den tentsio bat, edo handitu m₂.</translation>
    </message>
    <message>
        <source>La aceleración sale de la ecuación del bloque 2:</source>
        <translation>Azelerazioa 2. blokearen ekuaziotik ateratzen da:</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Idatzi zeroren berdina edo handiagoa den tentsio bat.</translation>
    </message>
    <message>
        <source>Por pesado que sea el bloque colgante, la tensión se acerca a m₁·(1 + μ)·g sin llegar nunca a ese valor.</source>
        <translation>Zintzilik dagoen blokea oso astuna izanda ere, tentsioa m₁·(1 + μ)·g baliora hurbiltzen da, baina ez da inoiz balio horretara iristen.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁ o μ.</source>
        <translation>Idatzi %1 baino txikiagoa den tentsio bat, edo handitu m₁ edo μ.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₂; después a sale de la suma de las ecuaciones:</source>
        <translation>Bi ekuazioen artean a ezabatuz, T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g geratzen da, eta hortik askatzen da m₂; ondoren, a ekuazioen baturatik ateratzen da:</translation>
    </message>
    <message>
        <source>a &lt; 0, es decir, T &lt; μ·m₁·g = %1</source>
        <translation>a &lt; 0; hau da, T &lt; μ·m₁·g = %1</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce μ.</source>
        <translation>Idatzi gutxienez %1 den tentsio bat, edo txikitu μ.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo hacia la polea, y el bloque colgante no puede caer más deprisa que en caída libre: 0 ≤ a &lt; g.</source>
        <translation>Sistema pausagunetik abiatzen da txirrikarantz, eta zintzilik dagoen blokea ezin da erorketa askean baino azkarrago erori: 0 ≤ a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre 0 y 9,81 m/s² (sin llegar a 9,81).</source>
        <translation>Idatzi 0 eta 9,81 m/s² bitarteko azelerazio bat (9,81era iritsi gabe).</translation>
    </message>
    <message>
        <source>De la ecuación del bloque 2, m₂·(g − a) = T, se despeja m₂; μ sale de la suma de las ecuaciones:</source>
        <translation>2. blokearen ekuaziotik, m₂·(g − a) = T, m₂ askatzen da; μ ekuazioen baturatik ateratzen da:</translation>
    </message>
    <message>
        <source>μ &lt; 0, es decir, T &lt; m₁·a = %1</source>
        <translation>μ &lt; 0; hau da, T &lt; m₁·a = %1</translation>
    </message>
    <message>
        <source>La cuerda no tira lo bastante para dar esa aceleración al bloque de la mesa, ni siquiera sin fricción.</source>
        <translation>Sokak ez du behar adina tiratzen mahaiko blokeari azelerazio hori emateko, ezta marruskadurarik gabe ere.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce a o m₁.</source>
        <translation>Idatzi gutxienez %1 den tentsio bat, edo txikitu a edo m₁.</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0, y el bloque colgante no puede caer más deprisa que en caída libre, a &lt; g.</source>
        <translation>Kasu honek azeleratzen ari den sistema bat eskatzen du, a &gt; 0, eta zintzilik dagoen blokea ezin da erorketa askean baino azkarrago erori, a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que 0 y menor que 9,81 m/s².</source>
        <translation>Idatzi 0 baino handiagoa eta 9,81 m/s² baino txikiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₂; T sale de la ecuación del bloque 2:</source>
        <translation>(m₂ − μ·m₁)·g = (m₁ + m₂)·a ekuaziotik m₂ askatzen da; T 2. blokearen ekuaziotik ateratzen da:</translation>
    </message>
    <message>
        <source>T − μ·m₁·g = m₁·a   (dos incógnitas, m₁ y μ, en una ecuación)</source>
        <translation>T − μ·m₁·g = m₁·a   (bi ezezagun, m₁ eta μ, ekuazio bakarrean)</translation>
    </message>
    <message>
        <source>m₂, a y T solo describen el bloque colgante. La ecuación del bloque de la mesa tiene dos incógnitas, m₁ y μ, y cualquier pareja que la cumpla vale: faltan datos.</source>
        <translation>m₂, a eta T zintzilik dagoen blokeari bakarrik dagozkio. Mahaiko blokearen ekuazioak bi ezezagun ditu, m₁ eta μ, eta hura betetzen duen edozein bikotek balio du: datuak falta dira.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T.</source>
        <translation>Markatu m₁ edo μ datu gisa, m₂, a edo T markatu beharrean.</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>m2 masak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den m₂ masa.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>Marruskadura-koefizienteak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den marruskadura-koefiziente bat.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>Sistema pausagunetik abiatzen da: ezin du atzerantz azeleratu.</translation>
    </message>
    <message>
        <source>Escribe una aceleración o un coeficiente de fricción mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den azelerazio bat edo marruskadura-koefiziente bat.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₁; T sale de la ecuación del bloque 2:</source>
        <translation>(m₂ − μ·m₁)·g = (m₁ + m₂)·a ekuaziotik m₁ askatzen da; T 2. blokearen ekuaziotik ateratzen da:</translation>
    </message>
    <message>
        <source>a &gt; g, así que m₁ &lt; 0</source>
        <translation>a &gt; g; beraz, m₁ &lt; 0</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre.</source>
        <translation>Zintzilik dagoen blokea ezin da erorketa askean baino azkarrago erori.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Idatzi 9,81 m/s² baino txikiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor a cero</source>
        <translation>m2 masak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Para despejar a hay que dividir entre m₂, así que m₂ no puede ser cero.</source>
        <translation>a askatzeko m₂-rekin zatitu behar da; beraz, m₂ ezin da zero izan.</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría en lugar de bajar.</source>
        <translation>Sokak zintzilik dagoen blokea haren pisuak baino gehiago tiratuko luke gorantz: igo egingo litzateke, jaitsi beharrean.</translation>
    </message>
    <message>
        <source>Sin fricción, una tensión igual al peso del bloque colgante pediría un bloque m₁ infinitamente pesado.</source>
        <translation>Marruskadurarik gabe, zintzilik dagoen blokearen pisuaren berdina den tentsio batek m₁ bloke infinituki astun bat eskatuko luke.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Idatzi %1 baino txikiagoa den tentsio bat.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₁:</source>
        <translation>Bi ekuazioen artean a ezabatuz, T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g geratzen da, eta hortik askatzen da m₁:</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>Azelerazioak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den azelerazio bat.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de la ecuación del bloque 1, T − μ·m₁·g = m₁·a, y m₂ de la del bloque 2, m₂·g − T = m₂·a.</source>
        <translation>Bloke bakoitza bere aldetik: m₁ 1. blokearen ekuaziotik ateratzen da, T − μ·m₁·g = m₁·a, eta m₂ 2. blokearenetik, m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre; con a ≥ g, m₂ = T/(g − a) no tiene sentido.</source>
        <translation>Zintzilik dagoen blokea ezin da erorketa askean baino azkarrago erori; a ≥ g bada, m₂ = T/(g − a) adierazpenak ez du zentzurik.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>1. masa</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>2. masa</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Azelerazioa</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tentsioa</translation>
    </message>
    <message>
        <source>masa del bloque sobre la mesa</source>
        <translation>mahai gaineko blokearen masa</translation>
    </message>
    <message>
        <source>masa del bloque colgante</source>
        <translation>zintzilik dagoen blokearen masa</translation>
    </message>
    <message>
        <source>coeficiente de fricción de la mesa</source>
        <translation>mahaiaren marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>aceleración del sistema</source>
        <translation>sistemaren azelerazioa</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>sokaren tentsioa</translation>
    </message>
    <message>
        <source>El coeficiente de fricción no puede ser negativo: la fricción siempre se opone al deslizamiento.</source>
        <translation>Marruskadura-koefizientea ezin da negatiboa izan: marruskadura beti da irristatzearen aurkakoa.</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante, con fricción cinética μ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier μ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>a = 0 bada, blokeak abiadura konstantean mugitzen dira, μ = %1 marruskadura zinetikoarekin. Geldirik baleude, marruskadura estatikoak eutsi egingo lieke edozein μ ≥ %1 baliorekin: balio hori gutxienekoa baino ez litzateke izango.</translation>
    </message>
    <message>
        <source>Bloque 1 (m₁, sobre la mesa): la cuerda tira de él con la tensión T hacia la polea y la fricción fr se opone al deslizamiento; en vertical, la normal N equilibra el peso m₁·g.</source>
        <translation>1. blokea (m₁, mahaiaren gainean): sokak txirrikarantz tiratzen du T tentsioarekin, eta fr marruskadura irristatzearen aurka ari da; bertikalean, N indar normalak m₁·g pisua orekatzen du.</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque 1 desliza):   fr = μ·N = μ·m₁·g</source>
        <translation>Marruskadura zinetikoa (1. blokea irristatzen da):   fr = μ·N = μ·m₁·g</translation>
    </message>
    <message>
        <source>El peso del bloque colgante, m₂·g, no supera la fricción máxima μ·m₁·g del bloque de la mesa: el sistema se queda en reposo, a = 0, la fricción estática vale justo m₂·g y la tensión es T = m₂·g = %1. La ventana no da resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>Zintzilik dagoen blokearen pisuak, m₂·g, ez du gainditzen mahaiko blokearen μ·m₁·g marruskadura maximoa: sistema geldirik geratzen da, a = 0, marruskadura estatikoa m₂·g da zehazki, eta tentsioa T = m₂·g = %1 da. Leihoak ez du emaitzarik ematen, haren formulak irristatzen ari den sistemarenak direlako, marruskadura zinetikoarekin.</translation>
    </message>
    <message>
        <source>De la suma de las dos ecuaciones se despeja a:</source>
        <translation>Bi ekuazioen baturatik a askatzen da:</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, T = m₂·(g − a); sustituyendo a queda:</source>
        <translation>T 2. blokearen ekuaziotik ateratzen da, T = m₂·(g − a); a ordezkatuz gero:</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es demasiado grande</source>
        <translation>azelerazioa ez da negatiboa, handiegia baizik</translation>
    </message>
    <message>
        <source>una de las masas es cero</source>
        <translation>masetako bat zero da</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero menor que la tensión sin fricción</source>
        <translation>tentsioa positiboa da, baina marruskadurarik gabeko tentsioa baino txikiagoa</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero mayor que el peso del bloque colgante</source>
        <translation>tentsioa positiboa da, baina zintzilik dagoen blokearen pisua baino handiagoa</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado grande</source>
        <translation>tentsioa ez da negatiboa, handiegia baizik</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es menor que la fricción máxima</source>
        <translation>tentsioa ez da negatiboa, marruskadura maximoa baino txikiagoa baizik</translation>
    </message>
    <message>
        <source>Con T &lt; μ·m₁·g el sistema no desliza: se queda en reposo, a = 0, sujeto por la fricción estática, y entonces la cuerda aguanta el peso del bloque colgante, T = m₂·g, así que m₂ = T/g = %1. La ventana no da ese resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>T &lt; μ·m₁·g bada, sistema ez da irristatzen: geldirik geratzen da, a = 0, marruskadura estatikoak eutsita, eta orduan sokak zintzilik dagoen blokearen pisuari eusten dio, T = m₂·g; beraz, m₂ = T/g = %1. Leihoak ez du emaitza hori ematen, haren formulak irristatzen ari den sistemarenak direlako, marruskadura zinetikoarekin.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado pequeña para esa aceleración</source>
        <translation>tentsioa ez da negatiboa, txikiegia baizik azelerazio horretarako</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Egiaztapena</translation>
    </message>
    <message>
        <source>Los datos tienen que cumplir la ecuación del bloque 2, m₂·g − T = m₂·a:</source>
        <translation>Datuek 2. blokearen ekuazioa bete behar dute, m₂·g − T = m₂·a:</translation>
    </message>
    <message>
        <source>Estos datos se contradicen: no cumplen la ecuación del bloque colgante. Y aunque la cumplieran, la ecuación del bloque de la mesa tendría dos incógnitas, m₁ y μ: faltarían datos.</source>
        <translation>Datu hauek elkarren kontrakoak dira: ez dute betetzen zintzilik dagoen blokearen ekuazioa. Eta beteko balute ere, mahaiko blokearen ekuazioak bi ezezagun izango lituzke, m₁ eta μ: datuak faltako lirateke.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T, con valores que cumplan m₂·g − T = m₂·a.</source>
        <translation>Markatu m₁ edo μ datu gisa, m₂, a edo T-ren ordez, m₂·g − T = m₂·a betetzen duten balioekin.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, pero a y μ valen cero a la vez</source>
        <translation>azelerazioa ez da negatiboa, baina a eta μ zero dira aldi berean</translation>
    </message>
    <message>
        <source>Sin fricción, el bloque colgante siempre acelera el sistema: a = m₂·g/(m₁ + m₂) &gt; 0 sea cual sea m₁. Ninguna m₁ da a = 0, y al despejarla habría que dividir entre a + μ·g = 0.</source>
        <translation>Marruskadurarik gabe, zintzilik dagoen blokeak beti azeleratzen du sistema: a = m₂·g/(m₁ + m₂) &gt; 0, m₁ edozein dela ere. Ez dago a = 0 ematen duen m₁-ik, eta hura askatzeko a + μ·g = 0 balioarekin zatitu beharko litzateke.</translation>
    </message>
    <message>
        <source>Sin bloque colgante (m₂ = 0) y sin fricción, nada tira del bloque 1 ni lo frena: a = 0 con cualquier m₁, que no se puede despejar.</source>
        <translation>Zintzilik dagoen blokerik gabe (m₂ = 0) eta marruskadurarik gabe, ezerk ez du 1. blokea tiratzen edo geldiarazten: a = 0 edozein m₁-ekin, eta m₁ ezin da askatu.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es mayor que g</source>
        <translation>azelerazioa ez da negatiboa, g baino handiagoa baizik</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante con m₁ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier m₁ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>a = 0 bada, blokeak abiadura konstantean mugitzen dira m₁ = %1 denean. Geldirik baleude, marruskadura estatikoak eutsi egingo lieke edozein m₁ ≥ %1 baliorekin: balio hori gutxienekoa baino ez litzateke izango.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es mayor que el peso del bloque colgante</source>
        <translation>tentsioa ez da negatiboa, zintzilik dagoen blokearen pisua baino handiagoa baizik</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es igual al peso del bloque colgante</source>
        <translation>tentsioa ez da negatiboa, zintzilik dagoen blokearen pisuaren berdina baizik</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0. Con a = 0 los bloques podrían moverse a velocidad constante, pero la ventana no admite ese valor.</source>
        <translation>Kasu honek azeleratzen ari den sistema bat eskatzen du, a &gt; 0. a = 0 bada, blokeak abiadura konstantean mugi litezke, baina leihoak ez du balio hori onartzen.</translation>
    </message>
    <message>
        <source>La gravedad debe ser mayor que la aceleración</source>
        <translation>Grabitateak azelerazioa baino handiagoa izan behar du</translation>
    </message>
</context>
<context>
    <name>InclinedPlaneCases</name>
    <message>
        <source>El ángulo debe ser mayor a cero y menor a 90 grados</source>
        <translation>Angeluak zero baino handiagoa eta 90 gradu baino txikiagoa izan behar du</translation>
    </message>
    <message>
        <source>Sobre el bloque actúan su peso m·g, la normal N (Normal en el dibujo) y la fricción fr, que se opone al deslizamiento. El eje x va a lo largo del plano, hacia abajo, y el eje y perpendicular al plano; el peso se descompone en m·g·sen θ y m·g·cos θ.</source>
        <translation>Blokearen gainean hauek eragiten dute: haren pisuak, m·g, indar normalak, N (Normala marrazkian), eta fr marruskadurak, irristatzearen aurka ari denak. x ardatza planoan zehar doa, beherantz, eta y ardatza planoarekiko perpendikularra da; pisua m·g·sin θ eta m·g·cos θ osagaietan deskonposatzen da.</translation>
    </message>
    <message>
        <source>Eje x:   m·g·sen θ − fr = m·a</source>
        <translation>x ardatza:   m·g·sin θ − fr = m·a</translation>
    </message>
    <message>
        <source>Eje y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</source>
        <translation>y ardatza:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</translation>
    </message>
    <message>
        <source>Sustituyendo fr en la ecuación del eje x, la masa m se simplifica:</source>
        <translation>fr x ardatzaren ekuazioan ordezkatuz, m masa sinplifikatu egiten da:</translation>
    </message>
    <message>
        <source>a = g·(sen θ − μ·cos θ)</source>
        <translation>a = g·(sin θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°; con 90° la pared es vertical y no hay normal ni fricción.</source>
        <translation>Plano inklinatu batek 0° eta 90° bitarteko angelua osatzen du lurrarekin; 90° denean, horma bertikala da, eta ez dago ez indar normalik ez marruskadurarik.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0 y menor que 90.</source>
        <translation>Idatzi 0 baino handiagoa eta 90 baino txikiagoa den angelu bat.</translation>
    </message>
    <message>
        <source>El ángulo debe ser diferente de cero</source>
        <translation>Angelua ezin da zero izan</translation>
    </message>
    <message>
        <source>En un plano horizontal el peso no empuja al bloque a lo largo del plano: no desliza solo.</source>
        <translation>Plano horizontal batean, pisuak ez du blokea planoan zehar bultzatzen: ez da berez irristatzen.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0.</source>
        <translation>Idatzi 0 baino handiagoa den angelu bat.</translation>
    </message>
    <message>
        <source>9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración</source>
        <translation>9,81 bider inklinazio-angeluaren sinuak azelerazioa baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>a ≥ g·sen θ = %1</source>
        <translation>a ≥ g·sin θ = %1</translation>
    </message>
    <message>
        <source>Sin fricción el bloque bajaría con g·sen θ; una aceleración igual o mayor pediría un coeficiente de fricción nulo o negativo.</source>
        <translation>Marruskadurarik gabe, blokea g·sin θ azelerazioarekin jaitsiko litzateke; hori bezainbesteko edo handiagoa den azelerazio batek marruskadura-koefiziente nulua edo negatiboa eskatuko luke.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que %1, o un ángulo mayor.</source>
        <translation>Idatzi %1 baino txikiagoa den azelerazio bat, edo angelu handiago bat.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Askatzea</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja μ:</source>
        <translation>a = g·(sin θ − μ·cos θ) ekuaziotik μ askatzen da:</translation>
    </message>
    <message>
        <source>g·sen θ − a</source>
        <translation>g·sin θ − a</translation>
    </message>
    <message>
        <source>%1·sen %2 − %3</source>
        <translation>%1·sin %2 − %3</translation>
    </message>
    <message>
        <source>Búsqueda del ángulo</source>
        <translation>Angeluaren bilaketa</translation>
    </message>
    <message>
        <source>Con μ = %1, la aceleración va de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo entero da una aceleración tan cerca de a = %4. El programa no escribe nada.</source>
        <translation>μ = %1 izanik, azelerazioa %2 (θ = 0°) eta %3 (θ = 90°) bitartekoa da: gradu osoko angeluetako batek ere ez du a = %4 baliotik hain hurbil dagoen azeleraziorik ematen. Programak ez du ezer idazten.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre esos dos valores, o cambia μ.</source>
        <translation>Idatzi bi balio horien arteko azelerazio bat, edo aldatu μ.</translation>
    </message>
    <message>
        <source>θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4</source>
        <translation>θ = %1:   a = %2·(sin %1 − %3·cos %1) ≈ %4</translation>
    </message>
    <message>
        <source>el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| &lt; 0,1</source>
        <translation>|a − g·(sin θ − μ·cos θ)| &lt; 0,1 betetzen duen gradu osoko angelu handiena</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°.</source>
        <translation>Plano inklinatu batek 0° eta 90° bitarteko angelua osatzen du lurrarekin.</translation>
    </message>
    <message>
        <source>Escribe un ángulo entre 0 y 90.</source>
        <translation>Idatzi 0 eta 90 bitarteko angelu bat.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>Marruskadura-koefizienteak zero baino handiagoa izan behar du</translation>
    </message>
    <message>
        <source>Este problema es el de un plano con fricción: el coeficiente tiene que ser positivo.</source>
        <translation>Problema hau marruskadura duen plano batena da: koefizienteak positiboa izan behar du.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Idatzi zero baino handiagoa den marruskadura-koefiziente bat.</translation>
    </message>
    <message>
        <source>La aceleración ya está despejada; se sustituyen los datos:</source>
        <translation>Azelerazioa askatuta dago jada; datuak ordezkatzen dira:</translation>
    </message>
    <message>
        <source>g·(sen θ − μ·cos θ)</source>
        <translation>g·(sin θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>%1·(sen %2 − %3·cos %2)</source>
        <translation>%1·(sin %2 − %3·cos %2)</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Azelerazioa</translation>
    </message>
    <message>
        <source>Ángulo</source>
        <translation>Angelua</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>aceleración del bloque</source>
        <translation>blokearen azelerazioa</translation>
    </message>
    <message>
        <source>ángulo del plano</source>
        <translation>planoaren angelua</translation>
    </message>
    <message>
        <source>coeficiente de fricción</source>
        <translation>marruskadura-koefizientea</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque desliza):   fr = μ·N = μ·m·g·cos θ</source>
        <translation>Marruskadura zinetikoa (blokea irristatzen da):   fr = μ·N = μ·m·g·cos θ</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja θ: como sen θ − μ·cos θ = √(1 + μ²)·sen(θ − arctg μ),</source>
        <translation>a = g·(sin θ − μ·cos θ) ekuaziotik θ askatzen da: sin θ − μ·cos θ = √(1 + μ²)·sin(θ − arctg μ) denez,</translation>
    </message>
    <message>
        <source>θ = arctg μ + arcsen %1</source>
        <extracomment>&quot;arctg&quot; and &quot;arcsen&quot; as the school books of the language write them.</extracomment>
        <translation>θ = arctg μ + arcsin %1</translation>
    </message>
    <message>
        <source>θ = arctg %1 + arcsen %2</source>
        <translation>θ = arctg %1 + arcsin %2</translation>
    </message>
    <message>
        <source>Con a = 0 el bloque baja a velocidad constante y μ = tg θ. Si estuviera en reposo, la fricción estática lo sujetaría con cualquier μ ≥ tg θ: el valor hallado sería solo el mínimo.</source>
        <translation>a = 0 bada, blokea abiadura konstantean jaisten da, eta μ = tg θ. Geldirik balego, marruskadura estatikoak eutsi egingo lioke edozein μ ≥ tg θ baliorekin: aurkitutako balioa gutxienekoa baino ez litzateke izango.</translation>
    </message>
    <message>
        <source>La aceleración crece con el ángulo, de %1 (θ = 0°) a %2 (θ = 90°): ningún ángulo da exactamente a = %3.</source>
        <translation>Azelerazioa angeluarekin batera handitzen da, %1 baliotik (θ = 0°) %2 baliora (θ = 90°): ez dago zehazki a = %3 ematen duen angelurik.</translation>
    </message>
    <message>
        <source>La ventana no despeja θ: prueba los ángulos de grado entero de 0° a 90° en a = g·(sen θ − μ·cos θ) y escribe el mayor cuya aceleración se aleja de la dada menos de 0,1 m/s².</source>
        <translation>Leihoak ez du θ askatzen: 0°-tik 90°-ra bitarteko gradu osoko angeluak probatzen ditu a = g·(sin θ − μ·cos θ) adierazpenean, eta emandako azeleraziotik 0,1 m/s² baino gutxiago aldentzen direnen artean handiena idazten du.</translation>
    </message>
    <message>
        <source>|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ entero de 0° a 90°</source>
        <translation>|a − g·(sin θ − μ·cos θ)| ≥ 0,1 m/s² gradu osoko θ guztietarako, 0°-tik 90°-ra</translation>
    </message>
    <message>
        <source>a = %1 está entre la aceleración de %2, %3, y la de %4, %5, pero a más de 0,1 m/s² de las dos: con μ = %6 la aceleración cambia más de 0,2 m/s² de un grado al siguiente. El ángulo exacto, %7°, no es entero, y la ventana no escribe nada.</source>
        <translation>a = %1 %2 eta %4 angeluen azelerazioen artean dago (%3 eta %5), baina bietatik 0,1 m/s² baino urrunago: μ = %6 izanik, azelerazioa 0,2 m/s² baino gehiago aldatzen da gradu batetik hurrengora. Angelu zehatza, %7°, ez da gradu osokoa, eta leihoak ez du ezer idazten.</translation>
    </message>
    <message>
        <source>El ángulo que buscas es el exacto, %1°. Para que la ventana escriba uno, acerca a a la aceleración de %2 o de %3.</source>
        <translation>Bilatzen duzun angelua zehatza da, %1°. Leihoak angelu bat idatz dezan, hurbildu a %2 edo %3 angeluaren azeleraziora.</translation>
    </message>
    <message>
        <source>Ningún ángulo da exactamente a, pero la aceleración de %1 queda a menos de 0,1 m/s², y la ventana lo escribe.</source>
        <translation>Ez dago zehazki a ematen duen angelurik, baina %1 angeluaren azelerazioa 0,1 m/s² baino hurbilago dago, eta leihoak hura idazten du.</translation>
    </message>
    <message>
        <source>Por eso la ventana escribe %1 y no el ángulo exacto, %2°: de %3 a %1 todos los ángulos enteros quedan a menos de 0,1 m/s² de a, y se queda con el mayor.</source>
        <translation>Horregatik idazten du leihoak %1, eta ez angelu zehatza, %2°: %3 eta %1 bitarteko gradu osoko angelu guztiak a-tik 0,1 m/s² baino hurbilago daude, eta handiena hartzen du.</translation>
    </message>
    <message>
        <source>La ventana escribe %1, el único ángulo entero a menos de 0,1 m/s² de a; el exacto es %2°.</source>
        <translation>Leihoak %1 idazten du, a-tik 0,1 m/s² baino hurbilago dagoen gradu osoko angelu bakarra; zehatza %2° da.</translation>
    </message>
    <message>
        <source>La ventana pasa los grados a radianes con π ≈ 3,14159, un poco menos que π: por eso tg %1 le sale %2, algo menos que %3, y a es negativa por muy poco.</source>
        <translation>Leihoak graduak radian bihurtzen ditu π ≈ 3,14159 erabiliz, π baino apur bat gutxiago: horregatik ateratzen zaio tg %1 = %2, %3 baino apur bat gutxiago, eta a negatiboa da, oso gutxigatik.</translation>
    </message>
    <message>
        <source>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</source>
        <extracomment>&quot;tg&quot; is the tangent as the school books of the language write it.</extracomment>
        <translation>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</translation>
    </message>
    <message>
        <source>Solo la fricción máxima, μ·N = μ·m·g·cos θ, supera la componente del peso a lo largo del plano, m·g·sen θ: el bloque no desliza. Se queda en reposo, a = 0, y la fricción estática vale justo m·g·sen θ. La fórmula da un valor negativo porque es la del bloque que desliza, con fricción cinética; por eso la ventana no da resultado. Con μ = %1 el bloque empieza a deslizar a partir de θ = arctg μ = %2°.</source>
        <translation>Marruskadura maximoak bakarrik, μ·N = μ·m·g·cos θ, gainditzen du pisuak planoan zehar duen osagaia, m·g·sin θ: blokea ez da irristatzen. Geldirik geratzen da, a = 0, eta marruskadura estatikoa m·g·sin θ da zehazki. Formulak balio negatiboa ematen du, irristatzen ari den blokearena delako, marruskadura zinetikoarekin; horregatik ez du leihoak emaitzarik ematen. μ = %1 izanik, blokea θ = arctg μ = %2° angelutik aurrera hasten da irristatzen.</translation>
    </message>
    <message>
        <source>Aumenta el ángulo por encima de %1° o reduce μ por debajo de tg θ = %2.</source>
        <translation>Handitu angelua %1° baino gehiago, edo txikitu μ tg θ = %2 baino gutxiagora.</translation>
    </message>
</context>
<context>
    <name>PrintPlugin</name>
    <message>
        <source>Imprimir</source>
        <translation>Inprimatu</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>El valor de «%1» no es un número válido.</source>
        <translation>«%1» eremuko balioa ez da baliozko zenbaki bat.</translation>
    </message>
    <message>
        <source>El problema no tiene solución</source>
        <translation>Problemak ez du soluziorik</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list of symbols: &quot;m₁, m₂ y μ&quot;.</extracomment>
        <translation>%1 eta %2</translation>
    </message>
    <message>
        <source>%1 no es un número</source>
        <translation>%1 ez da zenbaki bat</translation>
    </message>
    <message>
        <source>El campo «%1» no contiene un número que se pueda leer.</source>
        <translation>«%1» eremuak ez du irakur daitekeen zenbakirik.</translation>
    </message>
    <message>
        <source>Escribe solo el número, con coma decimal y sin unidades: por ejemplo 2 o %1.</source>
        <translation>Idatzi zenbakia bakarrik, koma hamartarrarekin eta unitaterik gabe: adibidez, 2 edo %1.</translation>
    </message>
    <message>
        <source>Se conocen %1; se buscan %2.</source>
        <extracomment>%1 lists the given symbols, %2 the sought ones (&quot;m₁, m₂ y μ&quot;).</extracomment>
        <translation>%1 ezagutzen dira; %2 bilatzen dira.</translation>
    </message>
    <message>
        <source>Se conocen %1; se busca %2.</source>
        <extracomment>%1 lists the given symbols, %2 is the one sought.</extracomment>
        <translation>%1 ezagutzen dira; %2 bilatzen da.</translation>
    </message>
    <message>
        <source>Datos</source>
        <extracomment>Heading of the worked solution: the given values.</extracomment>
        <translation>Datuak</translation>
    </message>
    <message>
        <source>En este caso no hace falta leer los valores: basta con saber qué datos se conocen.</source>
        <translation>Kasu honetan ez da balioak irakurri behar: nahikoa da zein datu ezagutzen diren jakitea.</translation>
    </message>
    <message>
        <source>g = %1 (aceleración de la gravedad)</source>
        <translation>g = %1 (grabitatearen azelerazioa)</translation>
    </message>
    <message>
        <source>Con estos datos el resultado es tan grande que no cabe en ningún número.</source>
        <translation>Datu hauekin, emaitza handiegia da: ez da inolako zenbakitan sartzen.</translation>
    </message>
    <message>
        <source>Escribe datos de un tamaño razonable.</source>
        <translation>Idatzi tamaina zentzuzkoa duten datuak.</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Emaitzak</translation>
    </message>
    <message>
        <source>Por qué no hay resultado</source>
        <translation>Zergatik ez dagoen emaitzarik</translation>
    </message>
    <message>
        <source>Segunda ley de Newton</source>
        <translation>Newtonen bigarren legea</translation>
    </message>
    <message>
        <source>Ese mensaje no describe lo que falla: %1.</source>
        <translation>Mezu horrek ez du adierazten zer dagoen gaizki: %1.</translation>
    </message>
    <message>
        <source>Marca tres casillas: las magnitudes que conoces</source>
        <extracomment>The blue note of a problem window after &quot;Resolver&quot; with too few or too many boxes ticked</extracomment>
        <translation>Markatu hiru lauki: ezagutzen dituzun magnitudeak</translation>
    </message>
    <message>
        <source>Marca dos casillas: las magnitudes que conoces</source>
        <translation>Markatu bi lauki: ezagutzen dituzun magnitudeak</translation>
    </message>
    <message>
        <source>Escribe %1</source>
        <extracomment>Added to the blue note after a number typed with the other decimal separator; %1 is it as it must be typed</extracomment>
        <translation>Idatzi %1</translation>
    </message>
</context>
<context>
    <name>ProblemWindow</name>
    <message>
        <source>Diagrama de fuerzas</source>
        <translation>Indar-diagrama</translation>
    </message>
    <message>
        <source>Ver resolución</source>
        <extracomment>Button that opens the step-by-step solution of the last press of &quot;Resolver&quot;.</extracomment>
        <translation>Ikusi ebazpena</translation>
    </message>
    <message>
        <source>En cifras decimales, introducir coma en vez de punto.</source>
        <translation>Zenbaki hamartarretan, idatzi koma, ez puntua.</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>Distancia recorrida</source>
        <translation>Egindako distantzia</translation>
    </message>
    <message>
        <source>Distancia (m)</source>
        <translation>Distantzia (m)</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Title of the speed graph</extracomment>
        <translation>Abiadura</translation>
    </message>
    <message>
        <source>Velocidad (m/s)</source>
        <translation>Abiadura (m/s)</translation>
    </message>
    <message>
        <source>Tiempo (s)</source>
        <extracomment>Graph axis title</extracomment>
        <translation>Denbora (s)</translation>
    </message>
</context>
<context>
    <name>RunEnergy</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An energy of one body: %1 the energy (&quot;Energía cinética&quot;), %2 the body (&quot;bloque 1&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Trabajo de los pesos</source>
        <extracomment>Bar label and start of the balance line: the work of both weights (Atwood machine)</extracomment>
        <translation>Pisuen lana</translation>
    </message>
    <message>
        <source>Trabajo del peso</source>
        <extracomment>Bar label and start of the balance line: the work of the one weight that works</extracomment>
        <translation>Pisuaren lana</translation>
    </message>
    <message>
        <source>Energía cinética</source>
        <translation>Energia zinetikoa</translation>
    </message>
    <message>
        <source>Calor por rozamiento</source>
        <translation>Marruskadurak sortutako beroa</translation>
    </message>
    <message>
        <source>Variación de energía potencial</source>
        <translation>Energia potentzialaren aldaketa</translation>
    </message>
    <message>
        <source>Trabajo de la tensión</source>
        <translation>Tentsioaren lana</translation>
    </message>
    <message>
        <source>W pesos</source>
        <extracomment>Column heading: W (work) of both weights; the body and unit follow</extracomment>
        <translation>W pisuak</translation>
    </message>
    <message>
        <source>W peso</source>
        <extracomment>Column heading: W (work) of the weight; the unit follows</extracomment>
        <translation>W pisua</translation>
    </message>
    <message>
        <source>Ec</source>
        <extracomment>Column heading: the symbol of kinetic energy in the school books</extracomment>
        <translation>Ek</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>Column heading: the symbol of heat</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>ΔEp</source>
        <extracomment>Column heading: the symbol of the change of potential energy</extracomment>
        <translation>ΔEp</translation>
    </message>
    <message>
        <source>W tensión</source>
        <extracomment>Column heading: W (work) of the tension</extracomment>
        <translation>W tentsioa</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One quantity of the balance line: %1 its name, %2 its value with the unit (&quot;energía cinética 3,08 J&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A bar of one body&apos;s energy: %1 the body (&quot;bloque 1&quot;), %2 the energy (&quot;energía cinética&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>bloque 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia bloque 1 (m)&quot;</extracomment>
        <translation>1. blokea</translation>
    </message>
    <message>
        <source>bloque 2</source>
        <translation>2. blokea</translation>
    </message>
    <message>
        <source>El bloque 1 avanza hacia la polea y el bloque 2 baja.</source>
        <translation>1. blokeak txirrikarantz egiten du aurrera, eta 2. blokea jaisten da.</translation>
    </message>
    <message>
        <source>La masa 1 baja y la masa 2 sube.</source>
        <translation>1. masa jaisten da eta 2. masa igotzen da.</translation>
    </message>
    <message>
        <source>La masa 2 baja y la masa 1 sube.</source>
        <translation>2. masa jaisten da eta 1. masa igotzen da.</translation>
    </message>
    <message>
        <source>masa 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia masa 1 (m)&quot;</extracomment>
        <translation>1. masa</translation>
    </message>
    <message>
        <source>masa 2</source>
        <translation>2. masa</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>A column heading: %1 the quantity (Distancia, Velocidad, Ec), %2 the body (bloque 1, masa 2), %3 the unit. The data window shows the three parts on lines of their own.</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Distantzia</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Abiadura</translation>
    </message>
    <message>
        <source>Aceleración (m/s²)</source>
        <translation>Azelerazioa (m/s²)</translation>
    </message>
    <message>
        <source>Tensión (N)</source>
        <translation>Tentsioa (N)</translation>
    </message>
    <message>
        <source>Aceleración: %1 m/s²</source>
        <translation>Azelerazioa: %1 m/s²</translation>
    </message>
    <message>
        <source>Tensión: %1 N</source>
        <translation>Tentsioa: %1 N</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>Column heading (table and CSV file)</extracomment>
        <translation>Denbora</translation>
    </message>
    <message>
        <source>Masa</source>
        <extracomment>Column heading of the files: a body&apos;s mass, followed by the body and the unit</extracomment>
        <translation>Masa</translation>
    </message>
</context>
<context>
    <name>ScrollBridge</name>
    <message>
        <source> (el máximo)</source>
        <extracomment>Appended to a note: the scroll bar is at its highest value. Keep the leading blank</extracomment>
        <translation> (maximoa)</translation>
    </message>
    <message>
        <source> (el mínimo)</source>
        <extracomment>Appended to a note: the scroll bar is at its lowest value. Keep the leading blank</extracomment>
        <translation> (minimoa)</translation>
    </message>
    <message>
        <source>%1 = %2%3 se muestra como %4%3%5</source>
        <extracomment>A problem&apos;s value the scroll bar cannot hold: %1 the symbol (m₁, μ, θ), %2 the value given, %3 its unit (may be empty), %4 the value the bar shows, %5 empty or &quot; (el máximo)&quot; / &quot; (el mínimo)&quot;</extracomment>
        <translation>%1 = %2%3, %4%3%5 gisa erakusten da</translation>
    </message>
    <message>
        <source>«%1» no es un número (escribe %2); %3 sigue en %4%5</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the same number as it must be written, %3 the symbol (m₁, μ, θ), %4 the value its scroll bar keeps, %5 its unit (may be empty)</extracomment>
        <translation>«%1» ez da zenbaki bat (idatzi %2); %3 = %4%5 izaten jarraitzen du</translation>
    </message>
    <message>
        <source>«%1» no es un número; %2 sigue en %3%4</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the symbol (m₁, μ, θ), %3 the value its scroll bar keeps, %4 its unit (may be empty)</extracomment>
        <translation>«%1» ez da zenbaki bat; %2 = %3%4 izaten jarraitzen du</translation>
    </message>
    <message>
        <source>%1 = %2%3 no cabe en la barra (de %4%3 a %5%3); sigue en %6%3</source>
        <extracomment>A simulation field refused a number its scroll bar cannot reach: %1 the symbol, %2 the number typed, %3 its unit (may be empty), %4 and %5 the ends of the bar, %6 the value the bar keeps</extracomment>
        <translation>%1 = %2%3 ez da barran sartzen (%4%3 eta %5%3 artean); %6%3 izaten jarraitzen du</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Ampliar dibujo</source>
        <extracomment>Check box of the simulations: blocks and force arrows drawn larger, for a class to see</extracomment>
        <translation>Handitu marrazkia</translation>
    </message>
    <message>
        <source>Bloques y flechas de fuerza más grandes, para proyectar ante la clase</source>
        <translation>Bloke eta indar-gezi handiagoak, klasean proiektatzeko</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>kilogramotan</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>segundo karratuko metrotan</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>newtonetan</translation>
    </message>
    <message>
        <source>en segundos</source>
        <translation>segundotan</translation>
    </message>
    <message>
        <source>en metros</source>
        <translation>metrotan</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>gradutan</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Laboratorio Virtual de Física</source>
        <translation>Fisikako laborategi birtuala</translation>
    </message>
    <message>
        <source>Curso de Mecánica Clásica</source>
        <translation>Mekanika klasikoko kurtsoa</translation>
    </message>
    <message>
        <source>Emblema de Cuestaval</source>
        <translation>Cuestavalen ikurra</translation>
    </message>
    <message>
        <source>Un bloque sobre un plano inclinado, unido por una cuerda que pasa por una polea a un bloque que cuelga.</source>
        <translation>Plano inklinatu baten gaineko bloke bat, txirrika batetik igarotzen den soka baten bidez zintzilik dagoen beste bloke bati lotuta.</translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message>
        <source>La ventana muestra el mensaje «%1».</source>
        <translation>Leihoak «%1» mezua erakusten du.</translation>
    </message>
    <message>
        <source>Qué puedes cambiar:</source>
        <extracomment>Lead-in of the advice after the condition that stopped the case.</extracomment>
        <translation>Zer alda dezakezu:</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Ebazpena: %1</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>indeterminado</source>
        <translation>zehaztugabea</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>No se ha podido guardar la escala de las ventanas para la próxima vez.</source>
        <translation>Ezin izan da leihoen eskala gorde hurrengo aldirako.</translation>
    </message>
</context>
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Atrás</source>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Aurkibidea</translation>
    </message>
    <message>
        <source>Acerca de Cuestaval</source>
        <translation>Cuestavali buruz</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval</source>
        <translation>Cuestavalen laguntza</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval: %1</source>
        <translation>Cuestavalen laguntza: %1</translation>
    </message>
</context>
<context>
    <name>class_sets::ClassSetDialog</name>
    <message>
        <source>Preparar una hoja</source>
        <translation>Prestatu orri bat</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>The problem or the question of a class set: each student gets one drawn from their code.</extracomment>
        <translation>Edozein</translation>
    </message>
    <message>
        <source>Al azar</source>
        <translation>Ausaz</translation>
    </message>
    <message>
        <source>Desde el número</source>
        <translation>Zenbaki honetatik</translation>
    </message>
    <message>
        <source>Número del primer código</source>
        <translation>Lehen kodearen zenbakia</translation>
    </message>
    <message>
        <source>Hoja para los alumnos (PDF)</source>
        <translation>Ikasleentzako orria (PDF)</translation>
    </message>
    <message>
        <source>Clave de respuestas, con las resoluciones (PDF)</source>
        <translation>Erantzun-orria, ebazpenekin (PDF)</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle (XML)</source>
        <translation>Moodleko galdera-bankua (XML)</translation>
    </message>
    <message>
        <source>Archivos</source>
        <translation>Fitxategiak</translation>
    </message>
    <message>
        <source>Guardar en una carpeta…</source>
        <translation>Gorde karpeta batean…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Problema:</source>
        <translation>Problema:</translation>
    </message>
    <message>
        <source>Pregunta:</source>
        <translation>Galdera:</translation>
    </message>
    <message>
        <source>Alumnos:</source>
        <translation>Ikasleak:</translation>
    </message>
    <message>
        <source>Primer código:</source>
        <translation>Lehen kodea:</translation>
    </message>
    <message>
        <source>El primer número se elige al azar al guardar.</source>
        <translation>Lehen zenbakia ausaz aukeratzen da gordetzean.</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <translation>Kodea: %1</translation>
    </message>
    <message>
        <source>Códigos: %1 a %2</source>
        <translation>Kodeak: %1 – %2</translation>
    </message>
    <message>
        <source>Carpeta donde guardar la hoja</source>
        <translation>Orria gordetzeko karpeta</translation>
    </message>
    <message>
        <source>Archivos guardados en %1:</source>
        <translation>Hemen gorde dira fitxategiak (%1):</translation>
    </message>
</context>
<context>
    <name>run_data::DataWindow</name>
    <message>
        <source>Datos y gráficas: %1</source>
        <extracomment>Window title; %1 is the simulation, e.g. &quot;Plano horizontal&quot;</extracomment>
        <translation>Datuak eta grafikoak: %1</translation>
    </message>
    <message>
        <source>Copiar</source>
        <extracomment>Button: copies the table to the clipboard</extracomment>
        <translation>Kopiatu</translation>
    </message>
    <message>
        <source>Copia la tabla para pegarla en una hoja de cálculo</source>
        <translation>Taula kopiatzen du, kalkulu-orri batean itsasteko</translation>
    </message>
    <message>
        <source>Guardar CSV…</source>
        <translation>Gorde CSV…</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Gorde irudia…</translation>
    </message>
    <message>
        <source>Dibujo de la simulación (PNG)…</source>
        <translation>Simulazioaren marrazkia (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (PNG)…</source>
        <translation>Grafikoak (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (SVG)…</source>
        <translation>Grafikoak (SVG)…</translation>
    </message>
    <message>
        <source>Las gráficas no están disponibles: no se encontró el módulo de gráficas del programa. La tabla se puede copiar y guardar igualmente.</source>
        <translation>Grafikoak ez daude erabilgarri: ez da aurkitu programaren grafiko-modulua. Taula kopiatu eta gorde daiteke, hala ere.</translation>
    </message>
    <message>
        <source>Movimiento en curso</source>
        <translation>Mugimendua abian</translation>
    </message>
    <message>
        <source>Último movimiento: duró %1 s</source>
        <extracomment>%1 is the duration of the last run in seconds</extracomment>
        <translation>Azken mugimendua: %1 s iraun zuen</translation>
    </message>
    <message>
        <source>Guardar</source>
        <extracomment>Title of the save-file dialog</extracomment>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>CSV taula (*.csv)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG irudia (*.png)</translation>
    </message>
    <message>
        <source>Gráfico SVG (*.svg)</source>
        <translation>SVG grafikoa (*.svg)</translation>
    </message>
    <message>
        <source>Aún no hay movimiento: pulsa «Iniciar Movimiento» en la simulación.</source>
        <translation>Oraindik ez dago mugimendurik: sakatu «Hasi mugimendua» simulazioan.</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» en la carpeta «%2». Elige una carpeta en la que se pueda escribir.</source>
        <extracomment>%1 is a file name, %2 the folder it was to be saved in</extracomment>
        <translation>Ezin izan da «%1» gorde «%2» karpetan. Aukeratu idazteko baimena duen karpeta bat.</translation>
    </message>
    <message>
        <source>Las energías son proporcionales a la masa; la aceleración no depende de ella.</source>
        <translation>Energiak masaren proportzionalak dira; azelerazioa ez dago masaren mende.</translation>
    </message>
    <message>
        <source>Masa del bloque para las energías:</source>
        <extracomment>Beside the box where the student sets the inclined plane&apos;s block mass</extracomment>
        <translation>Energietarako blokearen masa:</translation>
    </message>
    <message>
        <source>Energía</source>
        <extracomment>Title of the energy graph before a run has a strobe instant</extracomment>
        <translation>Energia</translation>
    </message>
    <message>
        <source>%1, bloque de %2 kg</source>
        <extracomment>Added to the energy graph&apos;s title on the inclined plane: %1 the title, %2 the mass the student set</extracomment>
        <translation>%1, %2 kg-ko blokea</translation>
    </message>
    <message>
        <source>Energía en t = %1 s</source>
        <extracomment>Title of the energy graph: %1 the time of the last strobe instant, in s</extracomment>
        <translation>Energia t = %1 s denean</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <extracomment>Button: closes the data window</extracomment>
        <translation>Itxi</translation>
    </message>
</context>
<context>
    <name>solvers::WorkedSolutionDialog</name>
    <message>
        <source>Resolución</source>
        <extracomment>Title of the dialog with the worked solution (&quot;solution&quot;, not &quot;resolution&quot;).</extracomment>
        <translation>Ebazpena</translation>
    </message>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Ebazpena urratsez urrats</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Inprimatu…</translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Gorde PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Ebazpena: %1</translation>
    </message>
    <message>
        <source>No se puede imprimir: falta el módulo de impresión de Cuestaval.</source>
        <translation>Ezin da inprimatu: Cuestavalen inprimatze-modulua falta da.</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución. Comprueba la impresora.</source>
        <translation>Ezin izan da ebazpena inprimatu. Egiaztatu inprimagailua.</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Gorde PDF</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF dokumentuak (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar el PDF en «%1». Comprueba que la carpeta existe y que puedes escribir en ella.</source>
        <translation>Ezin izan da PDFa gorde hemen: «%1». Egiaztatu karpeta badagoela eta bertan idatz dezakezula.</translation>
    </message>
</context>
<context>
    <name>title::TitleWindow</name>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Continuar</source>
        <extracomment>Button: goes on to the next window</extracomment>
        <translation>Jarraitu</translation>
    </message>
</context>
</TS>
